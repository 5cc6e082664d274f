// The field codec: once a read has failed the reader stays failed, and a count
// is never trusted beyond the bytes that are left.
#include <gtest/gtest.h>

#include "toolkit/field_codec.h"

namespace {

TEST(FieldCodec, AFailedReadStaysFailed) {
    FieldWriter writer;
    writer.Field(int32_t{7});
    writer.Field(int16_t{-2});
    FieldReader reader(writer.bytes);
    int32_t seven = 0;
    int32_t beyond = 0;
    int16_t minusTwo = 0;
    reader.Field(seven, 0, 6);  // out of its range
    EXPECT_TRUE(reader.Failed());
    reader.Field(minusTwo);
    EXPECT_EQ(minusTwo, -2);
    EXPECT_TRUE(reader.Failed());  // a good field after a bad one mends nothing
    reader.Field(beyond);
    EXPECT_EQ(reader.Remaining(), 0u);

    FieldReader shortOne(writer.bytes);
    shortOne.Field(seven);
    shortOne.Field(beyond);  // two bytes where four are wanted
    EXPECT_TRUE(shortOne.Failed());
}

TEST(FieldCodec, ListsAndTextsKeepToTheirBytes) {
    struct Case {
        const char* what;
        int32_t count;
        size_t records;  // records of 3 bytes that follow
        bool fails;
    };
    const Case cases[] = {
        {"all there", 2, 2, false}, {"none", 0, 0, false},         {"more than written", 3, 2, true},
        {"negative", -1, 2, true},  {"above the most", 5, 5, true},
    };
    for (const Case& c : cases) {
        FieldWriter writer;
        writer.Field(c.count);
        writer.Padding(3 * c.records);
        FieldReader reader(writer.bytes);
        std::vector<int> list;
        reader.List(list, 4, 3, [](FieldReader& r, int&) { r.Padding(3); });
        EXPECT_EQ(reader.Failed(), c.fails) << c.what;
        if (!c.fails) {
            EXPECT_EQ(list.size(), static_cast<size_t>(c.count)) << c.what;
        }
    }

    FieldWriter writer;
    writer.Text(std::string("abcdef"), 4);  // cut to leave its end
    writer.Text(std::string("ab"), 4);
    EXPECT_EQ(writer.bytes, (std::vector<uint8_t>{'a', 'b', 'c', 0, 'a', 'b', 0, 0}));
    writer.Bytes("wxyz", 4);
    FieldReader reader(writer.bytes);
    std::string first;
    char second[4];
    reader.Text(first, 4);
    reader.Text(second, 4);
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(first, "abc");
    EXPECT_STREQ(second, "ab");
    reader.Text(second, 4);  // no end within its field
    EXPECT_TRUE(reader.Failed());
}

}  // namespace
