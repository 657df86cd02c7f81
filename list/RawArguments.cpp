// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/RawArguments.h"

#include <QCommandLineParser>
#include <QStringList>

namespace wypelark {
namespace {

QStringList decoded(const QByteArray& program, const std::vector<QByteArray>& args,
                    QString (*decode)(const QByteArray&)) {
    QStringList arguments{decode(program)};
    for (const QByteArray& arg : args)
        arguments << decode(arg);
    return arguments;
}

QString latin1(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

QString local8Bit(const QByteArray& bytes) {
    return QString::fromLocal8Bit(bytes);
}

} // namespace

ParsedArguments parseRawArguments(QCommandLineParser& parser, const QByteArray& program,
                                  const std::vector<QByteArray>& args) {
    ParsedArguments parsed;
    parsed.ok = parser.parse(decoded(program, args, latin1));
    if (!parsed.ok) {
        // Worded from the arguments as the terminal shows them.
        parser.parse(decoded(program, args, local8Bit));
        parsed.errorText = parser.errorText();
        return parsed;
    }
    for (const QString& operand : parser.positionalArguments())
        parsed.operands.push_back(operand.toLatin1());
    return parsed;
}

} // namespace wypelark
