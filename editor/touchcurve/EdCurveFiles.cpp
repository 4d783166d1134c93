#include "EdCurveFiles.h"

#include "EdArchive.h"
#include "EdTouchCurveData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace {
const QString kEditorFolder = QStringLiteral("QJX Editor");

struct FolderState
{
    std::optional<QString> documentsOverride;
    QString factoryOverride;
    // Remembered per run, as the folders are looked up on every file operation.
    QString user, demo, update;
};

FolderState& State()
{
    static FolderState state;
    return state;
}

QString DocumentsFolder()
{
    if (State().documentsOverride)
        return *State().documentsOverride;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Creates documents/QJX Editor and then its subfolder, one level at a time.
QString EditorSubfolder(QString& cache, const QString& name)
{
    if (!cache.isEmpty())
        return cache;
    const QString documents = DocumentsFolder();
    if (documents.isEmpty() || !QFileInfo(documents).isDir())
        return {};
    const QString parent = EdJoinPath(documents, kEditorFolder);
    const QString folder = EdJoinPath(parent, name);
    QDir dir;
    if (!dir.mkdir(parent) && !QFileInfo(parent).isDir())
        return {};
    if (!dir.mkdir(folder) && !QFileInfo(folder).isDir())
        return {};
    cache = folder;
    return cache;
}

QString ProgramFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}

[[noreturn]] void Fail(const QString& what, const QString& path)
{
    throw CEdFileException(QStringLiteral("%1: %2").arg(what, QDir::toNativeSeparators(path)).toStdString());
}

bool IsIn(QChar c, const char* set)
{
    for (const char* p = set; *p; ++p) {
        if (c == QLatin1Char(*p))
            return true;
    }
    return false;
}
} // namespace

QString EdGetFactoryCurveFolder()
{
    if (!State().factoryOverride.isEmpty())
        return State().factoryOverride;
    QDir programParent(ProgramFolder());
    programParent.cdUp();
    return EdJoinPath(programParent.absolutePath(), QStringLiteral("Touch Curve"));
}

QString EdGetUserCurveFolder()
{
    return EditorSubfolder(State().user, QStringLiteral("Touch Curve"));
}

QString EdGetDemoFolder()
{
    return EditorSubfolder(State().demo, QStringLiteral("Demo"));
}

QString EdGetUpdateFolder()
{
    return EditorSubfolder(State().update, QStringLiteral("Update"));
}

void EdSetDocumentsFolderOverride(const QString& folder)
{
    auto& state = State();
    state.documentsOverride = folder.isEmpty() ? std::nullopt : std::optional<QString>(folder);
    state.user.clear();
    state.demo.clear();
    state.update.clear();
}

void EdSetFactoryCurveFolderOverride(const QString& folder)
{
    State().factoryOverride = folder;
}

QString EdJoinPath(const QString& folder, const QString& fileName)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

QStringList EdListCurveFiles(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryList({QStringLiteral("*.tcv")}, QDir::Files, QDir::Name);
}

QString EdUserFileName(int number)
{
    return QStringLiteral("User_%1.tcv").arg(number, 3, 10, QLatin1Char('0'));
}

int EdNextFileNumber(const QString& lastFileName)
{
    qsizetype begin = 0;
    qsizetype end = lastFileName.size();
    while (begin < end && IsIn(lastFileName[begin], "User_"))
        ++begin;
    while (end > begin && IsIn(lastFileName[end - 1], ".tcv"))
        --end;
    // Nine digits at most: the number can never overflow, and no folder holds that many files.
    int number = 0;
    for (qsizetype i = begin; i < end && i < begin + 9 && lastFileName[i].isDigit(); ++i)
        number = number * 10 + lastFileName[i].digitValue();
    return number + 1;
}

QStringList EdRenumberUserFolder(const QString& folder)
{
    const QStringList files = EdListCurveFiles(folder);
    QDir dir(folder);
    // Moving straight to the final names could land on a file that has not moved yet (A.tcv
    // listed before User_000.tcv). Out-of-place files go through temporary names first; those
    // still end in .tcv, so an interrupted run loses no curve.
    QStringList temporary = files;
    for (int i = 0; i < files.size(); ++i) {
        if (files[i] == EdUserFileName(i))
            continue;
        int n = 0;
        QString name;
        do
            name = QStringLiteral("~renumber-%1.tcv").arg(n++);
        while (dir.exists(name));
        if (!dir.rename(files[i], name))
            Fail(QStringLiteral("Cannot rename the curve file"), dir.filePath(files[i]));
        temporary[i] = name;
    }
    QStringList result;
    for (int i = 0; i < files.size(); ++i) {
        const QString target = EdUserFileName(i);
        if (temporary[i] != target && !dir.rename(temporary[i], target))
            Fail(QStringLiteral("Cannot rename the curve file"), dir.filePath(temporary[i]));
        result.append(target);
    }
    return result;
}

QString EdCreateCurveFile(const QString& folder, const QString& lastFileName)
{
    if (folder.isEmpty())
        Fail(QStringLiteral("The curve folder is not available"), folder);
    const QString name = EdUserFileName(EdNextFileNumber(lastFileName));
    const QString path = EdJoinPath(folder, name);
    if (QFileInfo::exists(path))
        Fail(QStringLiteral("The curve file exists already"), path);

    const QString factoryNormal = EdJoinPath(EdGetFactoryCurveFolder(), QString::fromLatin1(kEdFactoryNormalFile));
    if (QFileInfo::exists(factoryNormal)) {
        if (!QFile::copy(factoryNormal, path))
            Fail(QStringLiteral("Cannot copy the curve file"), path);
        // The factory file is read-only; its copy must be writable.
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
        return name;
    }
    // Without the template the new file holds a default curve, so the save that follows works.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        Fail(QStringLiteral("Cannot create the curve file"), path);
    const auto bytes = CEdTouchCurveData().Store();
    if (file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size()))
        Fail(QStringLiteral("Cannot write the curve file"), path);
    return name;
}

void EdLoadCurve(const QString& path, CEdTouchCurveData& curve)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("Cannot open the curve file"), path);
    // A record is a few hundred bytes; a longer name is still bounded by what is read here.
    constexpr qint64 kMaxRecord = 1 << 20;
    const QByteArray bytes = file.read(kMaxRecord);
    CEdArchive ar(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())));
    try {
        curve.Serialize(ar);
    } catch (const CEdFileException& e) {
        Fail(QString::fromStdString(e.what()), path);
    }
}

void EdSaveCurve(const QString& path, const CEdTouchCurveData& curve)
{
    if (!QFileInfo(path).isFile())
        Fail(QStringLiteral("The curve file does not exist"), path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail(QStringLiteral("Cannot open the curve file"), path);
    const auto bytes = curve.Store();
    if (file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit())
        Fail(QStringLiteral("Cannot write the curve file"), path);
}
