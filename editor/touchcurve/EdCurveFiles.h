#pragma once

#include <QString>
#include <QStringList>

class CEdTouchCurveData;

// Where touch curve files live, how they are named and numbered, and how a curve is read from
// and written to one. Failures throw CEdFileException (EdArchive.h) with a text for the user.

inline constexpr const char* kEdFactoryNormalFile = "01_Zelvo_normal.tcv";

// "<folder of the program's folder>/Touch Curve"; computed on each call, never created.
QString EdGetFactoryCurveFolder();
// Documents/QJX Editor/{Touch Curve,Demo,Update}: created on first use and remembered for the
// run; empty when the documents folder is unknown or a folder cannot be created.
QString EdGetUserCurveFolder();
QString EdGetDemoFolder();
QString EdGetUpdateFolder();

// Test seams: an empty path restores the platform's folder. Both forget remembered folders.
void EdSetDocumentsFolderOverride(const QString& folder);
void EdSetFactoryCurveFolderOverride(const QString& folder);

QString EdJoinPath(const QString& folder, const QString& fileName);
// The "*.tcv" files of a folder, by name.
QStringList EdListCurveFiles(const QString& folder);

// "User_%03d.tcv".
QString EdUserFileName(int number);
// The number after the one a library entry's file name carries: User_004.tcv -> 5,
// 07_Soft.tcv -> 8, a name without a number -> 1.
int EdNextFileNumber(const QString& lastFileName);

// Renames the folder's curve files to User_000.tcv, User_001.tcv, ... in listing order, and
// returns the names in that order. Contents and order are kept whatever names were there.
QStringList EdRenumberUserFolder(const QString& folder);

// Makes the file for a new library entry in `folder`, numbered after `lastFileName`, as a copy
// of the factory normal curve (or, when that is missing, a default curve). Never overwrites an
// existing file. Returns the new file name.
QString EdCreateCurveFile(const QString& folder, const QString& lastFileName);

void EdLoadCurve(const QString& path, CEdTouchCurveData& curve);
// Replaces the record of an existing file atomically: a crash or a full disk leaves the old
// record or the new one, never a mix. The file is not created when missing.
void EdSaveCurve(const QString& path, const CEdTouchCurveData& curve);
