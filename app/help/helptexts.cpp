#include "app/help/helptexts.h"

namespace brovaci::help {

QString credit()
{
    return QStringLiteral("Brovaci 1.00, simulatore di armonografo");
}

QStringList instructionPieces()
{
    return {QStringLiteral("Clicca qui per le istruzioni.")};
}

QStringList descriptionPieces()
{
    return {credit()};
}

QString instructions()
{
    return instructionPieces().join(QString());
}

QString description()
{
    return descriptionPieces().join(QString());
}

} // namespace brovaci::help
