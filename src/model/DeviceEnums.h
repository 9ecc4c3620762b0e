#pragma once

// Numeric codes shared by the data files, the services and the screens.

// Device type of a channel group; also selects the bitrate table folder.
enum DeviceType : int {
    IPC = 1,
    DVR = 2,
};

// Video standard; the frame-rate list queries take a flag where non-zero means NTSC.
enum FrameStandard : int {
    PAL = 0,
    NTSC = 1,
};

// What a channel group is used for: live view loads the network, recording the disks.
enum ViewMode : int {
    LiveView = 1,
    Recording = 2,
    LiveViewAndRecording = 3,
};

// Index of the scene-complexity choice.
enum SceneComplexity : int {
    Low = 0,
    Medium = 1,
    High = 2,
};
