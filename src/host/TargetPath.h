#pragma once

#include <QString>

// Where the program finds the files it ships with and where it writes its own.
// Shipped files are read-only: beside the program in the build tree, in the
// install's share folder (found relative to the program) when installed.
// Everything the program writes goes to the user's own folders, and a file
// there is read instead of the shipped one of the same name.
namespace FenwaGUIToolkit {

// Directory of the program's shipped data files, ending in a separator: the
// program's own directory in the build tree, <prefix>/share/<program folder>/
// when installed, or the folder SetTargetPath() chose.
QString GetTargetPath();

// Full path of a bare file or folder name inside GetTargetPath().
QString GetTargetPathFile(const QString &name);

// Points the data directory somewhere else (tests use a temporary folder).
// An empty path returns to the program's own data directory.
void SetTargetPath(const QString &path);

// Directory the skin plugins' folder ("skins/") lives in, ending in a
// separator: plugins/ beside the program in the build tree,
// <prefix>/lib/<program folder>/plugins/ when installed, or plugins/ inside
// the folder SetTargetPath() chose.
QString GetPluginPath();

// Name of the program's own folder in every shared location (share, lib, the
// per-user folders and the runtime folder).
QString ProgramFolderName();

// The per-user folders the program writes to.
enum class UserFolder {
    Config, // settings: Setup.xml, Upgrade.xml
    Data,   // the user's own data: Scene.csv, ScenePicture/
    State,  // what the program keeps for itself between runs, such as recovery copies
};

// A per-user folder, ending in a separator (the XDG config, data and state
// homes plus the program folder). Not created here.
QString GetUserDataPath(UserFolder folder = UserFolder::Data);

// The per-user folder a file or folder of that name (a relative path) belongs
// in: the settings files in Config, everything else in Data.
UserFolder UserFolderOf(const QString &name);

// Where to write a file or folder of that name (a relative path): inside its
// per-user folder, whose folders are created first when missing. A folder that
// cannot be created is reported on the terminal and the path still answered,
// so that the write itself fails and its caller says what it could not do.
QString GetWritableFile(const QString &name);
QString GetWritableFile(const QString &name, UserFolder folder);

// Where to read a file or folder of that name (a relative path): the user's own
// when it exists, else the shipped one.
QString GetDataFile(const QString &name);

// Points every per-user folder at one folder (tests). An empty path returns to
// the user's standard folders; while SetTargetPath() chose a data directory
// and no folder is set here, that directory is also where the program writes,
// so a test's data directory holds everything the program touches.
void SetUserDataPath(const QString &path);

// The user's private runtime folder for the program (lock files, local
// sockets), ending in a separator and not created here (MakePrivateFolder()
// does). It lies in XDG_RUNTIME_DIR when that is private to the user, else in
// the user's cache folder, never in the shared temporary folder, where another
// user could make it first. Empty when the user has neither.
QString GetRuntimePath();

// Whether the folder is private to the user of that id: a folder, not a link
// to one, owned by that user, who alone may read, write and enter it (0700).
bool IsPrivateFolder(const QString &path, uint userId);
// The id of the user running the program (IsPrivateFolder()).
uint CurrentUserId();

// Makes the folder unless it exists (its missing parents as usual, itself
// owner-only) and answers whether it is private to the user running the
// program; a folder that is not is left alone and reported on the terminal.
bool MakePrivateFolder(const QString &path);

} // namespace FenwaGUIToolkit
