#pragma once

// Exit statuses scripts can rely on.
enum ExitStatus : int {
    ExitOk = 0,
    ExitFailed = 1, // not an MP3 file, or the clip could not be written
    ExitUsage = 2,
    ExitIoError = 3,
};
