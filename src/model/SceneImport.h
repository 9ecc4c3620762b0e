#pragma once

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// Replaces the recording scenes (Scene.csv and the pictures in ScenePicture) with
// those of a CSV the user picked. The whole file is checked before anything is
// written, so a file the program could not use never replaces good scene data.
class SceneImport
{
public:
    enum Fault {
        NoFault,
        Unreadable,
        NoHeader,
        TooFewFields,
        EmptyScene,
        UnknownEncoding,
        UnknownResolution,
        BadBitrate,
        // The picture path is absolute, climbs with "..", or leads out of the
        // file's folder through a symbolic link.
        PictureOutside,
        NoRows,
        WriteFailed
    };

    // The encodings a scene row may name and, for each, its resolutions.
    explicit SceneImport(const QMap<QString, QStringList> &resolutionsByEncoding);

    // The encodings and resolutions of the bitrate tables in that folder.
    static QMap<QString, QStringList> tablesOf(const QString &tableFolder);

    // The codec of a file that is neither marked nor UTF-8, e.g. "Windows-1251".
    void setLegacyCodec(const QByteArray &name) { m_legacyCodec = name; }

    // Reads and checks the whole file. False at the first fault, with fault() and
    // faultLine() (1-based; 0 when the file cannot be read) telling what and where.
    bool read(const QString &csvPath);
    Fault fault() const { return m_fault; }
    int faultLine() const { return m_faultLine; }
    // Data rows of the last file read.
    int rowCount() const { return int(m_rows.size()); }

    // Writes the rows read as the new scene file, UTF-8 with a byte-order mark,
    // and copies the pictures they name into the folder, each replacing any of
    // its name. Pictures are only taken from the imported file's folder or
    // below it. A picture that cannot be copied is skipped. False, with
    // WriteFailed, when the scene file cannot be written: then it is left as it
    // was, and so is the folder. False at once unless the last read() succeeded.
    bool install(const QString &sceneCsvPath, const QString &pictureFolder);
    // Names of the pictures the last install() skipped, each once, in row order:
    // missing, a folder, unreadable, too large, unsafe as a file name, or not written.
    QStringList picturesNotCopied() const { return m_picturesNotCopied; }

private:
    bool fail(Fault fault, int line);
    bool writeFailed();
    Fault checkRow(const QStringList &fields) const;
    // Whether the file really lies in the imported file's folder or below it.
    bool isInsideCsvFolder(const QString &path) const;
    // Where the picture may be, beside the imported file or below it; none for
    // a path that is absolute or climbs.
    QStringList pictureCandidates(const QString &pictureField) const;
    bool pictureMayBeTaken(const QString &pictureField) const;
    QByteArray sceneFileContent() const;
    void copyPictures(const QString &pictureFolder);
    QString pictureSource(const QString &pictureField) const;

    QHash<QString, QSet<QString>> m_resolutions;
    // Canonical and ending in a separator, so that a picture's real place can
    // be compared with it.
    QString m_csvFolder;
    QByteArray m_legacyCodec;
    QString m_header;
    // Checked lines, each of at least five fields.
    QStringList m_rows;
    Fault m_fault = NoFault;
    int m_faultLine = 0;
    QStringList m_picturesNotCopied;
};
