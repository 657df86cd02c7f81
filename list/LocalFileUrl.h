// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QUrl>

#include <optional>

namespace wypelark {

// The path a file:// address names on this machine: its escaped bytes are the name's own bytes,
// whatever their encoding. Nothing for any other address, or one on another host.
std::optional<QByteArray> localPathOf(const QUrl& url);

// The same for an address given as text, as file managers hand their selection over.
std::optional<QByteArray> localPathOfUri(const QByteArray& uri);

} // namespace wypelark
