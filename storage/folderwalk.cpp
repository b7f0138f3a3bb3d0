// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "folderwalk.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

// The walk through std::filesystem, so that it builds on every system.
namespace {

namespace fs = std::filesystem;

bool walkFolder(const QByteArray &folder, const QList<QByteArray> &suffixes,
                const FolderWalk::Visit &visit, const FolderWalk::Failure &failure)
{
    std::error_code error;
    fs::directory_iterator entry(folder.constData(), error);
    if (error) {
        failure(folder, error.value());
        return true;
    }
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    QList<std::pair<QByteArray, bool>> entries; // name, is a folder
    // The iterator ends on an error too; only the error code tells it from the end of the folder.
    for (; entry != fs::directory_iterator(); entry.increment(error)) {
        const QByteArray name = QByteArray::fromStdString(entry->path().filename().string());
        // The type as the folder lists it, else from the entry itself, never through a link.
        std::error_code unknown;
        const bool isFolder = !entry->is_symlink(unknown) && entry->is_directory(unknown);
        const QByteArray lower = name.toLower();
        const bool wanted = std::any_of(suffixes.begin(), suffixes.end(), [&](const auto &s) {
            return lower.size() > s.size() && lower.endsWith(s);
        });
        if (isFolder || wanted)
            entries.append({name, isFolder});
    }
    if (error)
        failure(folder, error.value());

    std::sort(entries.begin(), entries.end()); // by the names' bytes
    return std::all_of(entries.cbegin(), entries.cend(), [&](const auto &entry) {
        const QByteArray path = prefix + entry.first;
        return entry.second ? walkFolder(path, suffixes, visit, failure) : visit(path);
    });
}

} // namespace

void FolderWalk::walk(const QList<QByteArray> &paths, const QList<QByteArray> &suffixes,
                      const Visit &visit, const Failure &failure)
{
    for (const QByteArray &path : paths) {
        std::error_code error;
        const bool isFolder = fs::is_directory(path.constData(), error);
        if (!(isFolder ? walkFolder(path, suffixes, visit, failure) : visit(path)))
            return;
    }
}
