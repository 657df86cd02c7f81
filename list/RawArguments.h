// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class QCommandLineParser;

namespace wypelark {

// What a parser made of a program's raw arguments.
struct ParsedArguments {
    bool ok = false;
    QString errorText;
    std::vector<QByteArray> operands; // as the exact bytes given, in order
};

// Parses raw arguments (without the program's name) with the parser given. The parser sees every
// argument as Latin-1 text, which maps each byte to one character and back, so the operands it
// finds (after "--", "-" itself, empty ones, values that follow options or are compacted into
// them all as it decides) come back byte for byte whatever their encoding. Option names and the
// values the programs take are ASCII, which reads the same either way.
ParsedArguments parseRawArguments(QCommandLineParser& parser, const QByteArray& program,
                                  const std::vector<QByteArray>& args);

} // namespace wypelark
