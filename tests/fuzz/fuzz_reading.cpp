// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the reading of the period number alone: any text, in the C, Italian
// and German notations. The reading gives a finite number or a conversion
// failure, nothing else; and a number it accepts in plain ASCII notation is
// the number the C library reads from the same digits.
#include "input/period.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace brovaci;

namespace {

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The text in C notation if it is plain ASCII number characters: group
// separators dropped and the decimal separator made a point. Empty otherwise.
std::string asCNotation(const QString &text, QChar decimal, QChar group)
{
    std::string out;
    for (QChar c : text) {
        if (c == group)
            continue;
        if (c == decimal)
            out += '.';
        else if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'e' || c == u'E')
            out += char(c.unicode());
        else
            return {};
    }
    return out;
}

void check(const QString &text, const QLocale &locale)
{
    double value = 0;
    try {
        value = ReadPeriodNumber(text, locale);
    } catch (const ConversionFailure &) {
        return;
    }
    require(std::isfinite(value));
    const std::string plain = asCNotation(text.trimmed(), locale.decimalPoint().at(0), locale.groupSeparator().at(0));
    if (plain.empty())
        return;
    char *end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    require(end == plain.c_str() + plain.size());
    require(value == expected);
}

const QLocale Locales[] = {QLocale::c(), QLocale(QLocale::Italian, QLocale::Italy),
                           QLocale(QLocale::German, QLocale::Germany)};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 256)
        return -1; // nobody types that much into the period box
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale : Locales)
        check(text, locale);
    return 0;
}
