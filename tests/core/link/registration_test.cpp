#include "core/link/registration.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sarvo;

TEST(RegistrationTextTest, DecimalDigitsReadAsHexadecimal) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"1234", 0x1234},
        {"0000", 0},
        {"0000000001234567", 0x1234567},
        {"9999999999999999", static_cast<std::int64_t>(0x9999999999999999ULL)},
        {"", std::nullopt},
        {"ab", std::nullopt},
        {"G", std::nullopt},
        {" 12", std::nullopt},
        {"-1", std::nullopt},
        {"0x12", std::nullopt},
        {"12345678901234567", std::nullopt},
        {"١٢", std::nullopt}, // digits of another script
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(registrationValue(QString::fromUtf8(text)), value) << text;
    EXPECT_TRUE(registrationTextFits(QString(16, '1')));
    EXPECT_FALSE(registrationTextFits(QString(17, '1')));
    EXPECT_FALSE(replacementNeedsQuestion(0, 0x1234));
    EXPECT_FALSE(replacementNeedsQuestion(0x1234, 0));
    EXPECT_TRUE(replacementNeedsQuestion(0x1234, 0x1234));
}

TEST(RegistrationTest, WriteBackKeepsAReadingAndNeedsTheSamePerson) {
    QTemporaryDir dir;
    Store store(dir.path().toStdString());
    store.ensureDataDir();
    store.appendPerson("Ivanov", "Ivan", "", "");
    store.appendPerson("Petrov", "Petr", "", "");
    UserRecord read = store.readUser(0);
    read.ED = 4.5;
    read.MED[0] = "0 05.12 10:00 1,5";
    store.writeUser(0, read);

    const std::int64_t value = *registrationValue("9876543210987654");
    ASSERT_TRUE(storeRegistration(store, 0, 1, value, false));
    const UserRecord after = store.readUser(0);
    EXPECT_EQ(after.DosimeterId, static_cast<std::int64_t>(0x9876543210987654ULL));
    EXPECT_EQ(after.ED, 4.5);
    EXPECT_EQ(after.MED[0], "0 05.12 10:00 1,5");
    EXPECT_EQ(checkRegistration(store, value), RegistrationCheck::AlreadyRegistered);
    EXPECT_EQ(checkRegistration(store, 0), RegistrationCheck::Accepted);
    // Without the Yes the identifier stays; 0 removes it without one.
    ASSERT_TRUE(storeRegistration(store, 0, 1, 0x5678, false));
    EXPECT_EQ(store.readUser(0).DosimeterId, value);
    ASSERT_TRUE(storeRegistration(store, 0, 1, 0, false));
    EXPECT_EQ(store.readUser(0).DosimeterId, 0);
    // The record at the index must still hold that person.
    EXPECT_FALSE(storeRegistration(store, 1, 1, 0x5678, true));
    EXPECT_FALSE(storeRegistration(store, 2, 3, 0x5678, true));
    EXPECT_EQ(store.readUser(1).DosimeterId, 0);
}
