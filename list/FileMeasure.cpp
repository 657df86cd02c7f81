#include "list/FileMeasure.h"

namespace wypelark {

FileMeasurement measureFile(const QByteArray& path) {
    FileMeasurement measured;
    std::int64_t size = 0;
    measured.error = identifyFile(path.toStdString(), measured.identity, size);
    if (!measured.error)
        measured.size = size;
    return measured;
}

} // namespace wypelark
