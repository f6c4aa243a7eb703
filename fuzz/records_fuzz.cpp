// Feeds arbitrary bytes to the readers of what the program finds on disk and the texts the
// officer types: the three record layouts, a record file, Lang.txt and the filter dialog's edit
// texts. The first byte picks the reader, the rest is its input. Besides the sanitizers, each
// reader is held to what it promises: a record written back reads back to the same bytes, a
// stored name survives decoding and encoding unchanged, a record file yields exactly its whole
// records, the language lines hold no line end, and a filter bound survives its edit text.
#include "core/store/record_file.h"
#include "core/store/records.h"
#include "core/store/store_error.h"
#include "core/text/filter_texts.h"
#include "core/text/hist_filter.h"
#include "core/text/language.h"
#include "core/text/text_forms.h"

#include <QStringEncoder>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <type_traits>
#include <unistd.h> // getpid: the fuzz targets build on Linux only

namespace {

using namespace sarvo;

void require(bool condition) {
    if (!condition)
        std::abort();
}

// Each record of `size` bytes (the input padded with zeros to whole records), read, written back
// and read again: the bytes written the second time are those of the first.
template <class Record> void recordsRoundTrip(const QByteArray& input, int size) {
    QByteArray bytes = input;
    bytes.append(QByteArray((size - bytes.size() % size) % size, '\0'));
    QByteArray once(size, '\0'), twice(size, '\0');
    for (qsizetype at = 0; at < bytes.size(); at += size) {
        const Record record = Record::fromBytes(bytes.constData() + at);
        record.toBytes(once.data());
        Record::fromBytes(once.constData()).toBytes(twice.data());
        require(once == twice);
        if constexpr (std::is_same_v<Record, UserRecord>) {
            // A stored name is exported through its text (the history title): no byte is lost.
            for (const QByteArray* text : {&record.LN, &record.FN, &record.MN, &record.Dep})
                require(toCp1251(fromCp1251(*text)) == *text && text->size() <= kNameCapacity);
            require(!nameCell(record).isEmpty());
            for (const QByteArray& line : record.MED)
                require(line.size() <= kMedCapacity);
        }
    }
}

// A settings file: at least one whole record (the store refuses a shorter file before reading).
void settingsRoundTrip(QByteArray input) {
    if (input.size() < kSettingsRecordSize)
        input.append(QByteArray(kSettingsRecordSize - input.size(), '\0'));
    const SettingsRecord settings = SettingsRecord::fromFileBytes(input);
    const QByteArray once = settings.toFileBytes();
    require(SettingsRecord::fromFileBytes(once).toFileBytes() == once);
    require(settings.PortName.size() <= kPortNameCapacity &&
            settings.VersionText.size() <= kNameCapacity);
    require(settings.portName().isEmpty() == settings.PortName.isEmpty());
}

// The input as a record file of `size`-byte records.
void recordFile(const QByteArray& input, int size) {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("sarvo-records-fuzz-" + std::to_string(::getpid()) + ".bin");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(input.constData(), input.size());
        require(out.good());
    }
    RecordFile file(path, size, RecordFile::Mode::ReadOnly);
    const long long count = file.count();
    require(count == input.size() / size && file.partialBytes() == input.size() % size);
    long long seen = 0;
    file.seek(0);
    while (const char* record = file.next()) {
        require(QByteArrayView(record, size) == QByteArrayView(input).sliced(seen * size, size));
        ++seen;
    }
    require(seen == count);
    QByteArray buffer(size, '\0');
    if (count > 0) {
        file.read(count - 1, buffer.data());
        require(buffer == input.mid((count - 1) * size, size));
    }
    bool beyond = false;
    try {
        file.read(count, buffer.data());
    } catch (const StoreError&) {
        beyond = true;
    }
    require(beyond);
}

void language(const QByteArray& input) {
    const int index = input.isEmpty() ? 0 : static_cast<std::uint8_t>(input.at(0)) % 9;
    LanguageStrings strings;
    strings.setLine(7, QStringLiteral("kept only when the block has no line 7"));
    strings.loadFromBytes(input.mid(1), index);
    QStringEncoder encode(strings.codePage());
    for (int n = 1; n <= kLanguageLines; ++n) {
        const QByteArray& bytes = strings.lineBytes(n);
        require(!bytes.contains('\r') && !bytes.contains('\x1a'));
        require(encode.encode(strings.line(n)) == bytes);
    }
    require(strings.portCaption() == strings.line(Text::ChoosePort));
}

void filterTexts(const QByteArray& input) {
    static const QString patterns[] = {QStringLiteral("dd.MM.yyyy"), QStringLiteral("M/d/yy"),
                                       QStringLiteral("yyyy-MM-dd"), QStringLiteral("d MMM y")};
    const std::uint8_t choice = input.isEmpty() ? 0 : static_cast<std::uint8_t>(input.at(0));
    const FilterTexts forms(patterns[choice % 4], 1990 + choice / 4 % 64);
    const QStringList texts = QString::fromUtf8(input.mid(1)).split(QLatin1Char('\n'));
    for (const QString& text : texts) {
        if (const std::optional<double> bound = forms.dateBound(text);
            bound && !isNoBound(*bound)) {
            const int year = dateFromDays(*bound).year();
            if (forms.expandYear(year % 100) == year) // within the two-digit window
                require(forms.dateBound(forms.dateEditText(*bound)) == bound);
        }
        if (const std::optional<double> bound = forms.timeBound(text))
            require(forms.timeBound(FilterTexts::timeEditText(*bound)) == bound);
        invalidDateMessage(text);
    }
    HistFilter filter;
    filter.DateOn = choice & 1;
    filter.TimeOn = choice & 2;
    const FilterEditTexts edits{texts.value(0), texts.value(1), texts.value(2), texts.value(3)};
    const FilterConfirmation confirmed = confirmFilter(filter, edits, forms);
    require(confirmed.accepted() == confirmed.message.isEmpty());
    HistFilter fromTexts;
    filterFromTexts(fromTexts, edits, forms);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    switch (data[0] % 7) {
    case 0:
        recordsRoundTrip<UserRecord>(input, kUserRecordSize);
        break;
    case 1:
        recordsRoundTrip<HistoryRecord>(input, kHistoryRecordSize);
        break;
    case 2:
        settingsRoundTrip(input);
        break;
    case 3:
        recordFile(input, kHistoryRecordSize);
        break;
    case 4:
        recordFile(input, kUserRecordSize);
        break;
    case 5:
        language(input);
        break;
    default:
        filterTexts(input);
        break;
    }
    return 0;
}
