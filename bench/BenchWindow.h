// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "bench/StderrMessageBoxes.h"
#include "browse/PosixDirectoryAccess.h"
#include "control/WipeController.h"
#include "engine/PosixFileOperations.h"
#include "settings/RegistryFile.h"
#include "ui/UrlOpener.h"
#include "ui/frmMain.h"

#include <QString>

#include <memory>

namespace wypelark {

// The real window over the real disk, put together as the program does, with its settings in
// a file of the measurement's own and its message boxes on stderr. open() makes the window.
struct BenchWindow {
    explicit BenchWindow(const QString& settingsFile) : settings(settingsFile) {}

    frmMain& open() {
        window = std::make_unique<frmMain>(controller, WindowServices{directories, messages, urls});
        window->show();
        return *window;
    }

    PosixFileOperations files;
    const PosixDirectoryAccess directories;
    RegistryFile settings;
    StderrMessageBoxes messages;
    DesktopUrlOpener urls;
    WipeController controller{{files, &settings}};
    std::unique_ptr<frmMain> window;
};

} // namespace wypelark
