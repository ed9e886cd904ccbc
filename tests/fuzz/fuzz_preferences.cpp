// The preferences-file reader: parsing, the typed reads, and the whole
// configuration file, which must read back what it writes.
#include <QTemporaryDir>

#include "fuzz_support.h"
#include "platform/atomic_write.h"
#include "settings/config_file.h"
#include "settings/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    const QByteArray bytes = Bytes(data, size);
    const IniDocument document = ParseIni(bytes);
    for (const IniGroup& group : document.groups) {
        // A later group of the same name is never looked in: the first one wins.
        const IniGroup* found = FindIniGroup(document, group.name);
        FUZZ_CHECK(found != nullptr);
        for (const IniLine& line : group.lines) {
            QString value;
            if (found == &group) FUZZ_CHECK(FindIniValue(document, group.name, line.key, &value));
            IniReadText(document, group.name, line.key, QString());
            IniReadInt(document, group.name, line.key, 0);
            IniReadByte(document, group.name, line.key, 0);
            IniReadFloat(document, group.name, line.key, 0.0f);
        }
    }

    // Loading the bytes as the configuration file, saving and loading again
    // gives the same file: nothing the reader accepts is lost on a second pass.
    static QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/config.ini");
    if (!WriteFileAtomically(path, bytes)) return 0;
    LoadConfigFrom(path);
    const QByteArray first = ConfigFileBytes();
    FUZZ_CHECK(SaveConfigTo(path));
    LoadConfigFrom(path);
    FUZZ_CHECK(ConfigFileBytes() == first);
    return 0;
}
