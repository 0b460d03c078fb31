// Shared libraries in ELF, as Linux and the BSDs have them.
#include <link.h>

#include <QFile>
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/LibraryFile.h"

// The linker puts the ELF header of the program itself here: it names the
// processor and the word size that every library loaded into it must share.
extern "C" const ElfW(Ehdr) __ehdr_start __attribute__((visibility("hidden")));

namespace {

using Header = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);

UserText notALibrary() {
    return {QStringLiteral("the file is not a shared library"),
            QStringLiteral("файл не является разделяемой библиотекой")};
}

UserText cutShort(qint64 size, quint64 needed) {
    return UserText{QStringLiteral("the file is cut short (%1 bytes where the library needs %2); "
                                   "it may not have been copied in full"),
                    QStringLiteral("файл обрезан (%1 байт, а библиотеке нужно %2); возможно, "
                                   "он скопирован не полностью")}
        .arg(QString::number(size), QString::number(needed));
}

constexpr quint64 kBeyondAnyFile = ~quint64(0);

// The end of a range of `count` items of `each` bytes at `offset`.
quint64 endOf(quint64 offset, quint64 count, quint64 each) {
    if (each != 0 && count > (kBeyondAnyFile - offset) / each) return kBeyondAnyFile;
    return offset + count * each;
}

// A range that no file can hold is a damaged header, not a short copy.
std::optional<UserText> problemIfPast(quint64 needed, qint64 size) {
    if (needed == kBeyondAnyFile) return notALibrary();
    if (needed > quint64(size)) return cutShort(size, needed);
    return std::nullopt;
}

bool sameMachine(const Header& header) {
    const Header& ours = __ehdr_start;
    return header.e_ident[EI_CLASS] == ours.e_ident[EI_CLASS] &&
           header.e_ident[EI_DATA] == ours.e_ident[EI_DATA] && header.e_machine == ours.e_machine;
}

// The furthest byte that the headers say the file holds.
quint64 neededSize(const Header& header, const std::vector<ProgramHeader>& segments) {
    quint64 needed = endOf(header.e_shoff, header.e_shnum, header.e_shentsize);
    for (const ProgramHeader& segment : segments)
        if (segment.p_type != PT_NULL)
            needed = std::max(needed, endOf(segment.p_offset, 1, segment.p_filesz));
    return needed;
}

}  // namespace

std::optional<UserText> libraryFileProblem(QFile& file) {
    const qint64 size = file.size();
    Header header{};
    const qint64 got = file.read(reinterpret_cast<char*>(&header), sizeof header);
    if (got < SELFMAG || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) return notALibrary();
    if (got < qint64(sizeof header)) return cutShort(size, sizeof header);
    if (!sameMachine(header))
        return UserText{QStringLiteral("the library is built for another kind of processor"),
                        QStringLiteral("библиотека собрана для процессора другого типа")};
    if (header.e_type != ET_DYN || header.e_phentsize != sizeof(ProgramHeader))
        return notALibrary();

    const quint64 tableEnd = endOf(header.e_phoff, header.e_phnum, sizeof(ProgramHeader));
    if (auto problem = problemIfPast(tableEnd, size)) return problem;
    std::vector<ProgramHeader> segments(header.e_phnum);
    const qint64 tableSize = qint64(segments.size() * sizeof(ProgramHeader));
    if (!file.seek(qint64(header.e_phoff)) ||
        file.read(reinterpret_cast<char*>(segments.data()), tableSize) != tableSize)
        return cutShort(size, tableEnd);

    return problemIfPast(neededSize(header, segments), size);
}
