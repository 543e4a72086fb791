// Loading and saving a list of 1,000,000 lines (about 30 MB: names before most
// addresses, some blank and case-varied lines), against a plain
// byte-at-a-time reader and a line-at-a-time writer.
#include "core/listfile.h"
#include "ratioreporter.h"
#include "support/syntheticlists.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr qsizetype lineCount = 1'000'000;

AddressList namedAddresses()
{
    SyntheticLists synthetic(1);
    const AddressList addresses = synthetic.addresses(lineCount, 5'000);
    AddressList list;
    list.reserve(lineCount);
    for (qsizetype i = 0; i < lineCount; ++i) {
        if (i % 7 == 0)
            list.append(synthetic.line(400'000, 5'000));
        else if (i % 2 == 0)
            list.appendJoined({"Ann Lee ", addresses[i]});
        else
            list.append(addresses, i);
    }
    return list;
}

struct ListOnDisk {
    QTemporaryDir dir;
    QString path = dir.filePath("list.txt");
    AddressList list = namedAddresses();
    qint64 bytes = 0;

    ListOnDisk()
    {
        writeListFile(path, list);
        bytes = QFile(path).size();
    }
};

ListOnDisk& listOnDisk()
{
    static ListOnDisk data;
    return data;
}

AddressList literalRead(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    AddressList list;
    QByteArray line;
    bool lineOpen = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            list.append(line);
            line.clear();
            lineOpen = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line.append(c);
            lineOpen = true;
        }
    }
    if (lineOpen)
        list.append(line);
    return list;
}

void literalWrite(const QString& path, const AddressList& list)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (const QByteArrayView line : list) {
        file.write(line.data(), line.size());
        file.write("\r\n");
    }
}

void setThroughput(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * listOnDisk().bytes);
}

void BM_Load_fast(benchmark::State& state)
{
    listOnDisk();
    for (auto _ : state)
        benchmark::DoNotOptimize(readListFile(listOnDisk().path));
    setThroughput(state);
}

void BM_Load_literal(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(literalRead(listOnDisk().path));
    setThroughput(state);
}

void BM_Save_fast(benchmark::State& state)
{
    const QString target = listOnDisk().dir.filePath("saved.txt");
    for (auto _ : state)
        writeListFile(target, listOnDisk().list);
    setThroughput(state);
}

void BM_Save_literal(benchmark::State& state)
{
    const QString target = listOnDisk().dir.filePath("saved-literal.txt");
    for (auto _ : state)
        literalWrite(target, listOnDisk().list);
    setThroughput(state);
}

} // namespace

BENCHMARK(BM_Load_fast)->Name("Load1M/fast")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_literal)->Name("Load1M/literal")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_fast)->Name("Save1M/fast")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_literal)->Name("Save1M/literal")->Unit(benchmark::kMillisecond);

QUILLMERE_BENCHMARK_MAIN();
