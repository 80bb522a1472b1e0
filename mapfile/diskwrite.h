#pragma once

#include <QFileDevice>

namespace vortalin {

// A failure the system did not name (the toolkit's coarse codes only).
inline constexpr int unnamedSystemError = -1;

// Writes `size` bytes at `offset` of an open file and pushes them to the
// disk. Gives 0, or the system's error number of the step that failed;
// `written` counts the bytes that reached the file before it. The cause is
// read from the system at once: the toolkit keeps only an English sentence.
int writeThrough(QFileDevice& file, qint64 offset, const char* data, qint64 size, qint64& written);

} // namespace vortalin
