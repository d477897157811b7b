// Runs a fuzz target once on each file it is given (files, or folders of
// files): the seed corpus and the regression cases, in builds without
// libFuzzer. A case that crashes ends the run, and so fails its test.

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

QStringList casesIn(const QString& path)
{
    if (!QFileInfo(path).isDir())
        return {path};
    QStringList files;
    QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

} // namespace

int main(int argc, char* argv[])
{
    int ran = 0;
    for (int i = 1; i < argc; ++i) {
        for (const QString& name : casesIn(QString::fromLocal8Bit(argv[i]))) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "Cannot read %s\n", qPrintable(name));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()));
            ++ran;
        }
    }
    if (ran == 0) {
        std::fprintf(stderr, "No cases were given\n");
        return 1;
    }
    std::printf("%d cases ran without a fault\n", ran);
    return 0;
}
