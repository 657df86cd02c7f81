// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/FileOperationsChain.h"

#include "engine/WipeRun.h"

namespace wypelark {

FileOperationsChain::FileOperationsChain(FileOperations& disk, DeviceWaiter* waiter, bool readBack)
    : mDisk(disk), mVerifying(disk, WipeRun::FillByte), mOuter(&mVerifying) {
    mVerifying.setReadingBack(readBack);
    if (waiter)
        mOuter = &mWaiting.emplace(*mOuter, *waiter);
}

} // namespace wypelark
