// The exchange layouts as the host writes them and the plug-ins read them: the bytes of each
// file, the values read back by the layout, and a reading that strays from the layout.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/exchange/layout_reader.h"
#include "exchange_folder.h"
#include "tests/exchange/exchange_test_support.h"

namespace plot::testing {
namespace {

using Row = std::vector<ExchangeValue>;

struct Written {
  const plot_exchange_file& layout;
  std::vector<Row> rows;
  std::string bytes;
};

// What the reference host writes: every file the plug-ins read, the lines ended where it ends
// them.
const Written kWritten[] = {
    {plot_havrel_options,
     {{3, 2, true, 1, false, true, false, 2, "PC1", "PC2", "PC3"}},
     "3,2,#TRUE#,1,#FALSE#,#TRUE#,#FALSE#,2,\"PC1\",\"PC2\",\"PC3\"\r\n"},
    {plot_havrel_proportions, {{0.55}, {0.8}}, "0.55\r\n0.8\r\n"},
    {plot_havrel_rays, {{0.5, -0.25, 1e-05, "Ca, total"}}, "0.5,-0.25,1e-05,\"Ca, total\"\r\n"},
    {plot_havrel_points,
     {{0.1, 0.2, 0.3, 2, 0}, {-1.5, 0, 2, 10, 1}},
     "0.1,0.2,0.3,2,0\r\n-1.5,0,2,10,1\r\n"},
    {plot_tormin_options,
     {{"ALR", 2, 3, "ln(a/d)", "ln(b/d)", "ln(c/d)"}},
     "\"ALR\",2,3\r\n\"ln(a/d)\"\r\n\"ln(b/d)\"\r\n\"ln(c/d)\"\r\n"},
    {plot_tormin_data, {{61.5, 14, 12, 12.5, 1}}, "61.5,14,12,12.5,1\r\n"},
    {plot_quadrel_options, {{1, 3, "B", "A", "C"}}, "1,3,\"B\",\"A\",\"C\"\r\n"},
    {plot_quadrel_options, {{1, 3, "B", "A", "C", "D"}}, "1,3,\"B\",\"A\",\"C\"\r\n\"D\"\r\n"},
    {plot_quadrel_data, {{0.4330127018922193, 0.25, 0, 3}}, "0.4330127018922193,0.25,0,3\r\n"},
    {plot_group_names, {{"Granit"}, {"Gneis, fosc"}}, "\"Granit\"\r\n\"Gneis, fosc\"\r\n"},
};

ExchangeValue read_field(LayoutReader& in, plot_exchange_type type) {
  switch (type) {
    case PLOT_EXCHANGE_INTEGER:
      return int{in.read_int16()};
    case PLOT_EXCHANGE_SINGLE:
      return double{in.read_float()};
    case PLOT_EXCHANGE_DOUBLE:
      return in.read_double();
    case PLOT_EXCHANGE_LOGICAL:
      return in.read_logical();
    case PLOT_EXCHANGE_STRING:
      return in.read_string();
  }
  throw std::logic_error("no such type");
}

// A whole number written into a number field comes back as a double; a single as a float.
ExchangeValue as_read(const ExchangeValue& written, plot_exchange_type type) {
  if (type != PLOT_EXCHANGE_SINGLE && type != PLOT_EXCHANGE_DOUBLE) return written;
  const double number =
      std::holds_alternative<int>(written) ? std::get<int>(written) : std::get<double>(written);
  return type == PLOT_EXCHANGE_SINGLE ? double{static_cast<float>(number)} : number;
}

class ExchangeLayouts : public ::testing::Test {
 protected:
  ExchangeLayouts() {
    set_message_sink([this](const std::string& text) { messages.push_back(text); });
  }
  ~ExchangeLayouts() override {
    set_message_sink([](const std::string& text) { ADD_FAILURE() << "message: " << text; });
  }

  PrivateProfile profile;
  std::vector<std::string> messages;
};

TEST_F(ExchangeLayouts, TheHostWritesEachFileAsThePluginReadsIt) {
  for (const Written& w : kWritten) {
    SCOPED_TRACE(w.layout.name);
    ExchangeWriter writer(profile, w.layout);
    for (const Row& row : w.rows) writer.row(row);
    writer.close();
    EXPECT_EQ(file_contents(profile.file(w.layout.name)), w.bytes);

    std::vector<Row> read;
    ASSERT_TRUE(read_exchange_file(w.layout, [&](LayoutReader& in) {
      for (std::size_t r = 0; r < w.rows.size(); ++r) {
        ASSERT_FALSE(in.at_end());
        Row& row = read.emplace_back();
        for (int32_t f = 0; f < w.layout.field_count; ++f) {
          if (w.layout.optional_fields != 0 &&
              f == w.layout.field_count - w.layout.optional_fields && !in.optional_fields_follow())
            break;
          row.push_back(read_field(in, w.layout.fields[f].type));
        }
      }
      EXPECT_TRUE(w.layout.rows == PLOT_EXCHANGE_ONE_ROW || in.at_end());
    }));
    ASSERT_EQ(read.size(), w.rows.size());
    for (std::size_t r = 0; r < read.size(); ++r) {
      ASSERT_EQ(read[r].size(), w.rows[r].size());
      for (std::size_t f = 0; f < w.rows[r].size(); ++f)
        EXPECT_EQ(read[r][f], as_read(w.rows[r][f], w.layout.fields[f].type))
            << w.layout.fields[f].name;
    }
    EXPECT_FALSE(std::filesystem::exists(profile.file(w.layout.name)));
  }
  EXPECT_TRUE(messages.empty());
}

// A fault of the plug-in's code, not of the file: the file stays for the host.
TEST_F(ExchangeLayouts, AReadingThatStraysFromItsLayoutIsRefused) {
  struct Stray {
    const char* what;
    void (*read)(LayoutReader&);
  };
  const Stray strays[] = {
      {"a number read as text", [](LayoutReader& in) { in.read_string(); }},
      {"an end test inside a row",
       [](LayoutReader& in) {
         in.read_int16();
         in.at_end();
       }},
      {"the one row left short", [](LayoutReader& in) { in.read_int16(); }},
      {"a value past the one row",
       [](LayoutReader& in) {
         for (int32_t f = 0; f < plot_quadrel_options.field_count; ++f)
           read_field(in, plot_quadrel_options.fields[f].type);
         in.read_string();
       }},
      {"an optional test before the optional fields",
       [](LayoutReader& in) {
         in.read_int16();
         in.optional_fields_follow();
       }},
  };
  for (const Stray& s : strays) {
    SCOPED_TRACE(s.what);
    write_exchange_file(profile, plot_quadrel_options, {2, 3, "A", "B", "C", "D extra"});
    EXPECT_THROW(read_exchange_file(plot_quadrel_options, s.read), std::logic_error);
    EXPECT_TRUE(std::filesystem::exists(profile.file(plot_quadrel_options.name)));
  }
}

TEST_F(ExchangeLayouts, TheWriterTakesOnlyRowsOfItsLayout) {
  ExchangeWriter points(profile, plot_havrel_points);
  EXPECT_THROW(points.row({0.1, 0.2, 0.3, 2}), std::logic_error);
  EXPECT_THROW(points.row({0.1, 0.2, 0.3, 2, "outlier"}), std::logic_error);
  ExchangeWriter options(profile, plot_tormin_options);
  EXPECT_THROW(options.row({"ALR", 2.5, 3, "a", "b", "c"}), std::logic_error);
  EXPECT_THROW(options.close(), std::logic_error);
}

}  // namespace
}  // namespace plot::testing
