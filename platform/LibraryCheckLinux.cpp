// Shared libraries in ELF.
#include <link.h>

#include <algorithm>
#include <cstring>

#include "FileLimits.h"
#include "LibraryCheck.h"

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

// The furthest byte that the headers say the file holds; the program header
// table is known to lie inside `bytes`.
quint64 neededSize(const Header& header, const QByteArray& bytes) {
    quint64 needed = endOf(header.e_shoff, header.e_shnum, header.e_shentsize);
    for (int i = 0; i < header.e_phnum; ++i) {
        ProgramHeader segment;
        std::memcpy(&segment, bytes.constData() + header.e_phoff + i * sizeof segment,
                    sizeof segment);
        if (segment.p_type != PT_NULL)
            needed = std::max(needed, endOf(segment.p_offset, 1, segment.p_filesz));
    }
    return needed;
}

std::optional<UserText> libraryProblem(const QByteArray& bytes) {
    if (bytes.size() < SELFMAG || std::memcmp(bytes.constData(), ELFMAG, SELFMAG) != 0)
        return notALibrary();
    Header header;
    if (bytes.size() < qsizetype(sizeof header)) return cutShort(bytes.size(), sizeof header);
    std::memcpy(&header, bytes.constData(), sizeof header);
    if (!sameMachine(header))
        return UserText{QStringLiteral("the library is built for another kind of processor"),
                        QStringLiteral("библиотека собрана для процессора другого типа")};
    if (header.e_type != ET_DYN || header.e_phentsize != sizeof(ProgramHeader))
        return notALibrary();

    const quint64 tableEnd = endOf(header.e_phoff, header.e_phnum, sizeof(ProgramHeader));
    if (auto problem = problemIfPast(tableEnd, bytes.size())) return problem;
    return problemIfPast(neededSize(header, bytes), bytes.size());
}

}  // namespace

std::optional<UserText> libraryFileProblem(const QString& path) {
    const FileBytes file = readWholeFile(path, kSpeechLibraryLimit);
    return file.problem ? file.problem : libraryProblem(file.bytes);
}
