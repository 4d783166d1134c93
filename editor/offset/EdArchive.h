#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// The file or archive error: a file that cannot be opened, written or renamed, or a record
// that ends early or whose length cannot be honoured.
// It ends the user's operation; callers report it with its text.
class CEdFileException : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A little-endian byte archive in the format of the editor's files and snapshots: 32-bit
// integers and length-prefixed strings. Reading never goes past the given bytes.
class CEdArchive
{
public:
    // An archive that stores into its own growing buffer.
    CEdArchive();
    // An archive that loads from bytes the caller keeps alive.
    explicit CEdArchive(std::span<const std::uint8_t> bytes);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    void WriteInt32(std::int32_t value);
    void WriteString(const QString& text);

    std::int32_t ReadInt32();
    QString ReadString();

    const std::vector<std::uint8_t>& Bytes() const { return m_buffer; }
    std::size_t Position() const { return m_pos; }

private:
    void WriteRaw(std::uint64_t value, int byteCount);
    std::uint64_t ReadRaw(int byteCount);
    std::uint64_t ReadLength(bool& unicode);
    std::size_t Remaining() const { return m_input.size() - m_pos; }

    bool m_storing;
    std::vector<std::uint8_t> m_buffer;
    std::span<const std::uint8_t> m_input;
    std::size_t m_pos = 0;
};
