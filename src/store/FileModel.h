#pragma once

#include <QString>

#include <atomic>
#include <memory>

namespace vexo::store {

// One vault item: a file or folder the user gathered, or a note. Records are
// shared between the main thread and one worker at a time through
// FileModelPtr; the run fields that a worker writes while the main thread
// reads them (and the cancel flag, which goes the other way) are atomic.
class FileModel {
public:
    // Persisted in the list files.
    std::atomic<bool> isEncrtypt{false}; // hidden now: the data lives in the item store
    QString name;                        // display name, last component of path when added
    QString path;                        // where the item lives when visible
    QString encryptedPath;               // item store relative to its vault folder
    QString macAddress;                  // hardware address of the computer that added it
    QString md5CodePath;                 // file digest recorded when added
    qint64 createDate = 0;               // seconds since 1970
    qint64 addDate = 0;                  // seconds since 1970
    qint64 fileSize = 0;                 // bytes of the file, or of all files of the folder
    qint64 groupIndex = 0;               // position of the owning group in its list

    // Set when the lists are read.
    QString groupName;    // "systemDevicName", "systemDevicNoteName" or a drive-vault key
    qint64 fileIndex = 0; // position in the owning group's item list

    // State of the current hide or unhide run.
    std::atomic<bool> isCancel{false};         // the run was cancelled or failed
    std::atomic<qint64> currentEncryptSize{0}; // bytes processed so far
    std::atomic<qint64> startEncryptDate{0};   // ms since 1970 when the run began
    std::atomic<qint64> encryptDuration{0};    // ms since 1970 of the last progress
};

using FileModelPtr = std::shared_ptr<FileModel>;

} // namespace vexo::store
