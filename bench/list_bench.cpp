// SPDX-License-Identifier: LicenseRef-proprietary
// Adds 100,000 files of one folder to the deletion list, then adds them all again (every one a
// duplicate), and prints the seconds of each. Then adds a tree of as many files (100 folders)
// as a folder given on the command line or dropped: the walk, which a window makes away from its
// thread, and the appending, which blocks the window, are timed apart.
#include "list/AddSelectedFiles.h"
#include "list/DeletionListModel.h"
#include "list/PathScan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <numeric>
#include <unistd.h>

namespace {

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The list's own operations on a million rows, with nothing read from the disk: appended,
// appended again (all listed), the paths of a million browsed files made,
// kept whole after a run, half kept, and every other row removed.
bool millionRows() {
    using namespace wypelark;
    constexpr int rows = 1000000;
    std::vector<FoundFile> files;
    QList<QByteArray> browsed;
    files.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        const QByteArray name = "file" + QByteArray::number(i);
        files.push_back({"/data/" + name, i, {}});
        browsed.push_back(name);
    }
    DeletionListModel list;
    const double append = secondsOf([&] { list.appendNew(files); });
    const double again = secondsOf([&] { list.appendNew(files); });
    std::size_t unlisted = 0; // the paths of the browsed selection
    const double selected = secondsOf([&] { unlisted = pathsIn("/data", browsed).size(); });
    std::vector<int> all(rows);
    std::iota(all.begin(), all.end(), 1);
    const double keepAll = secondsOf([&] { list.keepOnly(all); });
    std::vector<int> half;
    for (int position = 1; position <= rows; position += 2)
        half.push_back(position);
    const double keepHalf = secondsOf([&] { list.keepOnly(half); });
    list.appendNew(files);
    const double removeHalf = secondsOf([&] { list.remove(half); });
    std::printf("million_append_s=%.3f\nmillion_append_again_s=%.3f\n"
                "million_selected_paths_s=%.3f\nmillion_keep_all_s=%.3f\n"
                "million_keep_half_s=%.3f\nmillion_remove_half_s=%.3f\n",
                append, again, selected, keepAll, keepHalf, removeHalf);
    return unlisted == rows && list.count() == rows / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace wypelark;
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const QTemporaryDir work(QDir::currentPath() + QStringLiteral("/list-bench-XXXXXX"));
    const QByteArray folder = QFile::encodeName(work.path());

    std::vector<FileListEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const QByteArray name = "file" + QByteArray::number(i);
        const int fd = ::open((folder + '/' + name).constData(), O_CREAT | O_WRONLY, 0600);
        if (fd >= 0)
            ::close(fd);
        entries.push_back({name, true});
    }

    DeletionListModel list;
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    AddSelectedFiles(folder, entries, list);
    const double first = std::chrono::duration<double>(Clock::now() - start).count();
    start = Clock::now();
    AddSelectedFiles(folder, entries, list);
    const double again = std::chrono::duration<double>(Clock::now() - start).count();

    std::printf("files=%d\nlisted=%d\nadd_s=%.3f\nadd_again_s=%.3f\n", count, list.count(), first,
                again);

    const QByteArray tree = folder + "/tree";
    for (int i = 0; i < count; ++i) {
        const QByteArray sub = tree + "/folder" + QByteArray::number(i / 1000);
        if (i % 1000 == 0)
            QDir().mkpath(QFile::decodeName(sub));
        const int fd =
            ::open((sub + "/file" + QByteArray::number(i)).constData(), O_CREAT | O_WRONLY, 0600);
        if (fd >= 0)
            ::close(fd);
    }
    DeletionListModel fromTree;
    start = Clock::now();
    const PathScan scan = scanPaths({tree}, "/");
    const double walk = std::chrono::duration<double>(Clock::now() - start).count();
    start = Clock::now();
    fromTree.appendNew(scan.files);
    const double append = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("tree_files=%d\ntree_walk_s=%.3f\ntree_append_s=%.3f\n", fromTree.count(), walk,
                append);
    return list.count() == count && fromTree.count() == count && millionRows() ? 0 : 1;
}
