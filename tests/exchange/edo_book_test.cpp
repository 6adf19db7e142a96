// What the EDO export keeps between months, and the names it takes as full.

#include "exchange/edo_book.h"
#include "store/cp1251.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(EdoBook, KeepsOneIdPerInnAcrossRunsAndForgetsAnEmptyOne) {
    test::TempFolder folder;
    EdoBook book = loadEdoBook(folder.path());
    EXPECT_EQ(book.participantId("7701234560"), "");
    ASSERT_TRUE(book.setParticipantId("7701234560", "2BE-old"));
    ASSERT_TRUE(book.setParticipantId("7712345671", "2BM-principal"));
    ASSERT_TRUE(book.setParticipantId("7701234560", "2BE-new"));
    book.setSigner("Иванов И.И."_cp, PersonName{"Иванов"_cp, "Иван"_cp, "Иванович"_cp});
    saveEdoBook(folder.path(), book);
    EXPECT_EQ(folder.readFile("Edo").size(), 4060u);

    EdoBook again = loadEdoBook(folder.path());
    EXPECT_EQ(again.participantId("7701234560"), "2BE-new");
    EXPECT_EQ(again.participantId("7712345671"), "2BM-principal");
    EXPECT_EQ(again.participantId(""), "");
    EXPECT_EQ(again.signerFor("Иванов И.И."_cp),
              (PersonName{"Иванов"_cp, "Иван"_cp, "Иванович"_cp}));
    EXPECT_FALSE(again.signerFor("Петров П.П."_cp)) << "another director is asked for again";

    ASSERT_TRUE(again.setParticipantId("7701234560", ""));
    EXPECT_EQ(again.participantId("7701234560"), "");
    for (int i = 0; i < 63; ++i) {
        ASSERT_TRUE(again.setParticipantId(std::to_string(1000000000 + i), "2BE-x"));
    }
    EXPECT_FALSE(again.setParticipantId("7701234560", "2BE-y")) << "every entry is taken";
}

TEST(EdoBook, ParticipantIdsAreWhatOperatorsGive) {
    EXPECT_EQ(participantIdProblem("2BM-7712345671-771201001-000000000000002"), "");
    EXPECT_EQ(participantIdProblem("2AL-b3e1c9d0"), "");
    EXPECT_NE(participantIdProblem("2BM"), "");
    EXPECT_NE(participantIdProblem(std::string(47, '1')), "");
    EXPECT_NE(participantIdProblem("2BM_12345"), "") << "an underscore splits the file name";
    EXPECT_NE(participantIdProblem("2BM/../x"), "");
    EXPECT_NE(participantIdProblem("-2BM12345"), "");
}

TEST(PersonName, OnlyNamesWrittenOutInFullAreTaken) {
    EXPECT_EQ(fullNameFromText("Иванов Иван Иванович"_cp),
              (PersonName{"Иванов"_cp, "Иван"_cp, "Иванович"_cp}));
    EXPECT_EQ(fullNameFromText("  Ли   Мин "_cp), (PersonName{"Ли"_cp, "Мин"_cp, ""}));
    EXPECT_FALSE(fullNameFromText("Иванов И.И."_cp));
    EXPECT_FALSE(fullNameFromText("Иванов И. И."_cp));
    EXPECT_FALSE(fullNameFromText("Иванов"_cp));
    EXPECT_FALSE(fullNameFromText("Иванов Иван Иванович Оглы"_cp));
    EXPECT_FALSE(fullNameFromText(std::string(61, 'a') + " b"));
    EXPECT_EQ(surnameOf("Иванов И.И."_cp), "Иванов"_cp);
}

} // namespace
} // namespace kestrelon
