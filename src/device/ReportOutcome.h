#pragma once

// How writing a report ended.
enum class ReportOutcome {
    Saved,
    Cancelled,
    // The name is that of a folder.
    TargetIsFolder,
    // The folder to write into is not there.
    FolderMissing,
    // No file can be created in the folder.
    FolderNotWritable,
    // The file could not be written to its end, e.g. on a full disk.
    WriteFailed,
    // The finished file could not take the target's place.
    ReplaceFailed,
};
