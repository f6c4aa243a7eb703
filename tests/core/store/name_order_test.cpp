// The name order: the passes that skip what cannot exchange make exactly the exchanges of the plain
// bubble sort, ties included, in memory and in the rewritten user file.
#include "core/store/name_order.h"
#include "core/store/store.h"
#include "core/text/report_test_data.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace sarvo;
using namespace sarvo::testdata;

namespace {

// The plain bubble sort: full passes until one exchanges nothing.
bool plainBubbleSort(std::vector<NameEntry>& entries) {
    bool changed = false;
    for (bool exchanged = true; exchanged; changed = changed || exchanged) {
        exchanged = false;
        for (size_t i = 0; i + 1 < entries.size(); ++i)
            if (goesBefore(entries[i + 1].key, entries[i].key)) {
                std::swap(entries[i], entries[i + 1]);
                exchanged = true;
            }
    }
    return changed;
}

std::vector<std::int32_t> indices(const std::vector<NameEntry>& entries) {
    std::vector<std::int32_t> out;
    for (const NameEntry& e : entries)
        out.push_back(e.index);
    return out;
}

} // namespace

// Short keys over two or three letters: prefixes, empty and equal keys abound.
TEST(NameOrder, SkippingPassesMakeThePlainExchanges) {
    for (unsigned seed = 0; seed < 4000; ++seed) {
        std::mt19937 random(seed);
        const int letters = 2 + static_cast<int>(random() % 2);
        std::vector<NameEntry> entries(random() % 61);
        for (size_t k = 0; k < entries.size(); ++k) {
            entries[k] = {{static_cast<unsigned char>(random() % 4), {0, 0, 0}}, std::int32_t(k)};
            for (int i = 0; i < entries[k].key.length; ++i)
                entries[k].key.c[i] = static_cast<unsigned char>('a' + random() % letters);
        }
        std::vector<NameEntry> plain = entries;
        const bool plainChanged = plainBubbleSort(plain);
        ASSERT_EQ(putInNameOrder(entries), plainChanged) << "seed " << seed;
        ASSERT_EQ(indices(entries), indices(plain)) << "seed " << seed;
    }
}

// Records of random bytes whose last names are short and alike: sorting moves whole records into
// the plain algorithm's order, and a person who sorts first goes to the front of the others.
TEST(NameOrder, UserFileIsRewrittenInThePlainOrder) {
    QTemporaryDir dir;
    Store store(dir.path().toStdString());
    store.ensureDataDir();
    std::mt19937 random(7);
    QByteArray file;
    std::vector<NameEntry> plain;
    for (int k = 0; k < 150; ++k) {
        QByteArray record(kUserRecordSize, '\0');
        for (char& c : record)
            c = static_cast<char>(random());
        record[0] = static_cast<char>(1 + random() % 5);
        for (int i = 1; i <= 20; ++i)
            record[i] = static_cast<char>('b' + random() % 3);
        plain.push_back({nameKey(record.constData()), k});
        file += record;
    }
    writeFile(QString::fromStdString(store.userPath().string()), file);
    ASSERT_TRUE(plainBubbleSort(plain));
    QByteArray sorted;
    for (const NameEntry& e : plain)
        sorted += file.mid(qsizetype(e.index) * kUserRecordSize, kUserRecordSize);

    EXPECT_TRUE(store.sortByName());
    EXPECT_EQ(bytesOf(store.userPath()), sorted);

    EXPECT_EQ(store.addPerson("Aab", "F", "M", "D"), 151);
    const QByteArray after = bytesOf(store.userPath());
    EXPECT_EQ(after.mid(kUserRecordSize), sorted);
    const UserRecord first = UserRecord::fromBytes(after.constData());
    EXPECT_EQ(std::tie(first.LN, first.FN, first.UserNo), std::tuple("Aab", "F", 151));
}
