// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "list/TrashScan.h"

namespace wypelark {

// Where this user's trash cans may be now: the home trash, the volumes mounted (but the kernel's
// own file systems and automount points, which a look would mount), and the volumes the file
// system table names that are not mounted.
TrashPlaces trashPlacesNow();

// The mount points of a file system table (fstab) that are not among those mounted; swap and
// the like left out.
std::vector<QByteArray> unmountedVolumes(const QByteArray& fileSystemTable,
                                         const std::vector<QByteArray>& mounted);

} // namespace wypelark
