// Writes the seed corpus of records_fuzz into the directory given: one input for each reader
// (the first byte picks it), built from records, settings, a language file and filter texts as
// the program writes and reads them.
#include "core/store/records.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    using namespace sarvo;
    if (argc != 2) {
        std::fprintf(stderr, "usage: records_fuzz_seeds DIRECTORY\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(directory);

    UserRecord person;
    person.setTexts(QStringLiteral("Иванов"), QStringLiteral("Иван"), QStringLiteral("Иванович"),
                    QStringLiteral("Lab 2"));
    person.UserNo = 7;
    person.ED = 1.25;
    person.DosimeterId = 0x1234567;
    person.MED[0] = "0  14.03.2026  09:30  12,05 uSv/h";
    QByteArray user(kUserRecordSize, '\0');
    person.toBytes(user.data());
    QByteArray history;
    for (const HistoryRecord& reading : {HistoryRecord{46000.0, 0.5, 0.05, 1.3, 7, 0x1234567},
                                         HistoryRecord{46001.0, 0.75, 12.0, 13.3, 7, 0x1234567}}) {
        QByteArray bytes(kHistoryRecordSize, '\0');
        reading.toBytes(bytes.data());
        history += bytes;
    }
    SettingsRecord settings = SettingsRecord::defaults(3);
    settings.setPortName(QStringLiteral("/dev/ttyUSB0"));
    QByteArray lang;
    for (int block = 0; block < 3; ++block) {
        lang += "block\r\n";
        for (int n = 1; n <= 94; ++n)
            lang +=
                QByteArray::number(block) + "/" + QByteArray::number(n) + (n % 9 ? "\r\n" : "\r");
    }
    lang += "N\xB0 dosim\xE8tre\nstill line\r\n\x1a after the end";

    const std::vector<QByteArray> seeds = {'\0' + user,
                                           '\1' + history,
                                           '\2' + settings.toFileBytes(),
                                           '\2' + SettingsRecord::defaults(0).toFileBytes(),
                                           '\3' + history + "partial",
                                           '\4' + user + user.left(100),
                                           QByteArray("\5\2") + lang,
                                           QByteArray("\5\6") + lang,
                                           QByteArray("\6\0", 2) +
                                               "05.12.26\n31.12.26\n 9:30\n17:00",
                                           QByteArray("\6\7") + "12/31/26\n  .  .  \n  :  \n23:59",
                                           QByteArray("\6\2") + "26.12.05\n1.1.2026\n24:00\n 7:5"};
    for (size_t i = 0; i < seeds.size(); ++i) {
        QFile file(QDir(directory).filePath(QStringLiteral("seed-%1").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(seeds[i]) != seeds[i].size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    std::printf("%zu seeds in %s\n", seeds.size(), argv[1]);
    return 0;
}
