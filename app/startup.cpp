// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <QList>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace brovaci {

namespace {

QtMessageHandler qtHandler = nullptr;

// The line printed when no display can be opened: the first thing the
// platform said is why; Qt's own summary comes after it.
QString noDisplayMessage(const QStringList &platformMessages, const QString &fatal)
{
    QString reason;
    for (const QString &m : platformMessages)
        if (!m.trimmed().isEmpty()) {
            reason = m.trimmed();
            break;
        }
    if (reason.isEmpty())
        reason = fatal.section(QLatin1Char('\n'), 0, 0).trimmed();
    return QStringLiteral("brovaci: non riesco ad aprire un display: %1").arg(reason);
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> held;

void startUpMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // Qt found no display: its advice to reinstall the application is
        // wrong, and the abort that follows would leave a core dump.
        QStringList said;
        for (const HeldMessage &m : std::as_const(held))
            said << m.text;
        std::fprintf(stderr, "%s\n", qPrintable(noDisplayMessage(said, message)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.append({type, QByteArray(context.category ? context.category : ""), message});
}

} // namespace

void watchStartUp()
{
    qtHandler = qInstallMessageHandler(startUpMessages);
}

void endOfStartUp()
{
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage &m : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.isEmpty() ? nullptr : m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    held.clear();
}

} // namespace brovaci
