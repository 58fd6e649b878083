// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two texts of the help panel, built at each click from constant pieces:
// the instructions and the description of the program. One line each; the
// panel wraps them.
#pragma once

#include <QString>
#include <QStringList>

namespace brovaci::help {

QStringList instructionPieces();
QStringList descriptionPieces();
QString instructions();
QString description();

// The credit line of the program: its name and version.
QString credit();
// The lines of the panel as the program opens.
QString opening();

} // namespace brovaci::help
