// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/FileOperationsChain.h"

#include "engine/WipeRun.h"

namespace wypelark {

FileOperationsChain::FileOperationsChain(FileOperations& disk, DeviceWaiter* waiter, bool readBack)
    : mDisk(disk), mOuter(&disk) {
    if (readBack)
        mOuter = &mVerifying.emplace(*mOuter, WipeRun::FillByte);
    if (waiter)
        mOuter = &mWaiting.emplace(*mOuter, *waiter);
}

} // namespace wypelark
