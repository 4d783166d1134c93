#pragma once

#include "EdObject.h"

#include <QString>

#include <array>

// A touch curve: for each IN velocity 0-127 the OUT velocity of a control point there, or -1.
// Serialised as the .tcv record: name, reserved, 128 entries.
class CEdTouchCurveData : public CEdObject
{
public:
    static constexpr int kEntryCount = 128;
    static constexpr int kNoPoint = -1;
    using Table = std::array<int, kEntryCount>;

    CEdTouchCurveData();

    void Serialize(CEdArchive& ar) override;

    // Loads the factory curve of a user memory: 1st factory file for memory 0, (memory + 3)th
    // for 1-4. Returns false (nothing changed) when there is no such file; throws
    // CEdFileException when the file cannot be read.
    virtual bool LoadFactoryCurve(int memory);
    // Default table (0 -> 0, 127 -> 127, nothing between); name and reserved unchanged.
    virtual int Reset();
    virtual void PeekUndo(CEdTouchCurveData* target) const;
    virtual void PeekRedo(CEdTouchCurveData* target) const;
    virtual bool IsEqual(const CEdTouchCurveData* other) const;
    virtual QString GetName() const { return m_name; }
    virtual void SetName(const QString& name) { m_name = name; }
    virtual int GetReserved() const { return m_reserved; }
    virtual void SetReserved(int value) { m_reserved = value; }
    // -1 outside 0-127.
    virtual int GetPoint(int in) const;
    // Ignored outside 0-127; the OUT value is stored as given.
    virtual void SetPoint(int in, int out);

    const Table& Points() const { return m_points; }
    static Table DefaultTable();

private:
    QString m_name;
    int m_reserved;
    Table m_points;
};
