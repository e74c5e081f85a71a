#include <gtest/gtest.h>

#include "core/settings_codec.h"

namespace parcelo {
namespace {

TEST(SettingsRecord, ReadFillsWhatTheFieldsGiveAndKeepsTheRest) {
    const struct {
        const char* name;
        std::string text;
        std::string target, user;
        WindowPlacement placement;
        int quit;
    } cases[] = {
    {"blanks_before_fields", "  \"a\" ,\t\"b\",  1,2 , 3,4,2, 1\r\n", "a", "b", {1, 2, 3, 4, 2}, 1},
    {"unquoted_text_runs_to_comma", "C:\\x y,D:\\z ,1,2,3,9,0,1", "C:\\x y", "D:\\z", {1, 2, 3, 9, 0}, 1},
    {"quoted_text_keeps_commas", "\"C:\\a,b\",\"c,d\",1,2,3,4,0,0", "C:\\a,b", "c,d", {1, 2, 3, 4, 0}, 0},
    {"text_after_closing_quote_skipped_blank_field_empty", "\"a\"xyz, ,1,2,3,4,0,0", "a", "", {1, 2, 3, 4, 0}, 0},
    {"ends_after_second_field", "\"C:\\t\",\"u\"\r\n", "C:\\t", "u", {11, 22, 33, 44, 55}, 7},
    {"line_feed_and_carriage_return_end_fields", "\"a\"\n\"b\"\r1\r\n2,3,4,0,1", "a", "b", {1, 2, 3, 4, 0}, 1},
    {"negative_coordinates", "\"a\",\"\",7200,6045,-300,-7200,0,0", "a", "", {7200, 6045, -300, -7200, 0}, 0},
    {"fractions_round_half_to_even", "\"a\",\"\",7200.5,7201.5,10.49,-2.6,0,1.0", "a", "", {7200, 7202, 10, -3, 0}, 1},
    {"largest_values_are_read", "\"a\",\"\",2147483520,1,2,3,2147483647,255", "a", "", {2147483520, 1, 2, 3, 2147483647}, 255},
    {"quit_flag_out_of_range_is_kept", "\"a\",\"\",1,2,3,4,0,300", "a", "", {1, 2, 3, 4, 0}, 7},
    {"negative_quit_flag_is_kept", "\"a\",\"\",1,2,3,4,0,-1", "a", "", {1, 2, 3, 4, 0}, 7},
    {"beyond_32_bits_is_kept", "\"a\",\"\",2147483648,-2147483648,3,4,0,0", "a", "", {11, -2147483647 - 1, 3, 4, 0}, 0},
    {"other_number_forms_are_kept", "\"a\",\"\",1e3,+5,0x10,abc,,0", "a", "", {11, 22, 33, 44, 55}, 0},
    {"unterminated_quote_runs_to_the_end", "\"C:\\abc,1,2", "C:\\abc,1,2", "kept-user", {11, 22, 33, 44, 55}, 7},
};
    for (const auto& c : cases) {
        // Every record starts from these values, so a field that fails to read shows as kept.
        SettingsRecord record{"kept-target", "kept-user", {11, 22, 33, 44, 55}, 7};
        readSettingsRecord(c.text, record);
        EXPECT_EQ(record.targetPath, c.target) << c.name;
        EXPECT_EQ(record.userPath, c.user) << c.name;
        EXPECT_EQ(record.placement, c.placement) << c.name;
        EXPECT_EQ(record.quitAfterSend, c.quit) << c.name;
    }
}

TEST(SettingsRecord, WritesTheLineByteForByte) {
    EXPECT_EQ(writeSettingsRecord("a", "b", {7200.5f, 6045.25f, -0.0f, -12.75f, 2}, 1),
              "\"a\",\"b\",7200.5,6045.25,0,-12.75,2,1\r\n");  // a point, whatever the locale
}

}  // namespace
}  // namespace parcelo
