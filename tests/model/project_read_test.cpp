// The reader's tolerance: what each kind of damaged or unusual file loads as, and
// what the load report says was dropped.
#include "model/project_file.h"
#include "model/xml_stream.h"
#include "support/bytes.h"

#include <gtest/gtest.h>
#include <sstream>

namespace kontaro::model {
namespace {

std::string Group(const std::string& id, const std::string& name = "G")
{
    return "<group><id>" + id + "</id><v>" + name + "</v></group>";
}

std::string List(const std::string& tag, const std::string& value)
{
    return "<" + tag + "><i><d>1</d><v>" + value + "</v></i></" + tag + ">";
}

std::string Gen(const std::string& id, const std::string& einproz = "f", const std::string& vervar = "f")
{
    return "<gen><id>" + id + "</id><einproz>" + einproz + "</einproz><vervar>" + vervar + "</vervar></gen>";
}

// A complete product; `gen` and `ver` may be replaced.
std::string Product(const std::string& gen, const std::string& ver = List("ver", "2"),
                    const std::string& nam = List("nam", "N"))
{
    return "<prd>" + gen + nam + List("ein", "1") + ver + List("tax", "7") + List("grp", "1") + "</prd>";
}

std::string Day(const std::string& date, const std::string& entries)
{
    return "<day><d>" + date + "</d>" + entries + "</day>";
}

std::string Entry(const std::string& id, const std::string& value)
{
    return "<i><id>" + id + "</id><v>" + value + "</v></i>";
}

std::string File(const std::string& groups, const std::string& products, const std::string& days)
{
    return "<kontaro><groups>" + groups + "</groups><products>" + products + "</products><days>" + days +
           "</days></kontaro>";
}

// "groups 1=G; products 1(N); days 1:[1=24]" in file order.
std::string Describe(const Project& p)
{
    std::ostringstream out;
    out << "groups";
    for (int i = 0; i < p.Groups.Count(); ++i)
        out << ' ' << p.Groups.Item(i).ID << '=' << p.Groups.Item(i).Name;
    out << "; products";
    for (int i = 0; i < p.Products.Count(); ++i) {
        const tProduct& prd = p.Products.Item(i);
        out << ' ' << prd.ID << '(';
        for (int k = 0; k < prd.Name.Count(); ++k)
            out << (k ? "," : "") << prd.Name.Item(k).Text;
        out << (prd.EinkaufProzent ? " ep" : "") << (prd.VerkaufVariabel ? " vv" : "") << ')';
    }
    out << "; days";
    for (int i = 0; i < p.Days.Count(); ++i) {
        const tDay& d = p.Days.Item(i);
        out << ' ' << d.Date << ":[";
        for (int k = 0; k < d.Count(); ++k)
            out << (k ? "," : "") << d.Entry(k).ProductID << '=' << FormatReal(d.Entry(k).Value);
        out << ']';
    }
    return out.str();
}

struct Case {
    const char* name;
    std::string file;
    LoadStatus status;
    std::string loaded;
    // groups, products, items, days, entries dropped; products ended early
    std::array<int, 5> dropped;
    bool endedEarly;
};

class ProjectRead : public ::testing::TestWithParam<Case> {};

TEST_P(ProjectRead, LoadsWhatItCanAndReportsTheRest)
{
    const Case& c = GetParam();
    Project project;
    const LoadResult result = LoadProjectText(c.file, project);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(Describe(project), c.loaded);
    const LoadReport& r = result.report;
    EXPECT_EQ((std::array<int, 5>{r.droppedGroups, r.droppedProducts, r.droppedItems, r.droppedDays, r.droppedEntries}),
              c.dropped);
    EXPECT_EQ(r.productsEndedEarly, c.endedEarly);
    EXPECT_EQ(r.Empty(), r.details.empty());
    for (const auto& line : r.details)
        EXPECT_EQ(line.find('\n'), std::string::npos);
}

const std::string kOneProduct = Product(Gen("1"));
const std::string kOneDay = Day("100", Entry("1", "24"));

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectRead,
    ::testing::Values(
        Case{"one_group", File(Group("1"), "", ""), LoadStatus::Ok, "groups 1=G; products; days", {}, false},
        Case{"empty_groups", File("", kOneProduct, kOneDay), LoadStatus::NoGroups, "groups; products; days", {}, false},
        Case{"missing_groups",
             "<products>" + kOneProduct + "</products>",
             LoadStatus::NoGroups,
             "groups; products; days",
             {},
             false},
        Case{"groups_without_products_skip_days",
             File(Group("1"), "", kOneDay + kOneDay),
             LoadStatus::Ok,
             "groups 1=G; products; days",
             {0, 0, 0, 2, 0},
             false},
        Case{"variable_price_needs_no_sales_price",
             File(Group("1"), Product(Gen("1", "f", "t"), "<ver></ver>") + Product(Gen("2"), "<ver></ver>"), ""),
             LoadStatus::Ok,
             "groups 1=G; products 1(N vv); days",
             {0, 1, 0, 0, 0},
             false},
        Case{"broken_gen_ends_the_products",
             File(Group("1"), Product(Gen("1")) + Product(Gen("2", "ja")) + Product(Gen("3")) + Product(Gen("4")),
                  kOneDay),
             LoadStatus::Ok,
             "groups 1=G; products 1(N); days 100:[1=24]",
             {0, 3, 0, 0, 0},
             true},
        Case{"broken_gen_id",
             File(Group("1"), Product(Gen("x")), kOneDay),
             LoadStatus::Ok,
             "groups 1=G; products; days",
             {0, 1, 0, 1, 0},
             true},
        Case{"product_without_gen",
             File(Group("1"), Product(""), Day("5", Entry("0", "1"))),
             LoadStatus::Ok,
             "groups 1=G; products 0(N); days 5:[0=1]",
             {},
             false},
        Case{"flags_as_words_and_numbers",
             File(Group("1"), Product(Gen("1", "TRUE", "1")) + Product(Gen("2", "0", "True")), ""),
             LoadStatus::Ok,
             "groups 1=G; products 1(N ep vv) 2(N vv); days",
             {},
             false},
        Case{"first_of_two_groups_with_one_id",
             File(Group("1", "erste") + Group("1", "zweite"), "", ""),
             LoadStatus::Ok,
             "groups 1=erste; products; days",
             {1, 0, 0, 0, 0},
             false},
        Case{"unreadable_groups",
             File(Group("x") + "<group><id>3</id></group>" + Group("0", "null"), "", ""),
             LoadStatus::Ok,
             "groups 0=null; products; days",
             {2, 0, 0, 0, 0},
             false},
        Case{"name_item_without_date",
             File(Group("1"),
                  Product(Gen("1"), List("ver", "2"),
                          "<nam><i><v>ohne</v></i><i><d>3</d><v>B</v></i><i><d>3</d><v>C</v></i>"
                          "<i><d>4</d></i><i><d>1</d><v>A</v></i></nam>"),
                  ""),
             LoadStatus::Ok,
             "groups 1=G; products 1(A,B); days",
             {0, 0, 3, 0, 0},
             false},
        Case{"unreadable_real_items_make_a_product_incomplete",
             File(Group("1"), Product(Gen("1"), List("ver", "2,5")), ""),
             LoadStatus::Ok,
             "groups 1=G; products; days",
             {0, 1, 1, 0, 0},
             false},
        Case{"duplicate_products",
             File(Group("1"), Product(Gen("1")) + Product(Gen("1")), ""),
             LoadStatus::Ok,
             "groups 1=G; products 1(N); days",
             {0, 1, 0, 0, 0},
             false},
        Case{"bad_days",
             File(Group("1"), kOneProduct,
                  Day("x", Entry("1", "1")) + "<day><d>7</d></day>" + Day("9", Entry("1", "2,5")) +
                      Day("8", Entry("1", "2.5") + Entry("y", "1") + Entry("1", "3") + Entry("2", "-1")) +
                      Day("8", Entry("1", "1"))),
             LoadStatus::Ok,
             "groups 1=G; products 1(N); days 8:[1=2.5,2=-1]",
             {0, 0, 0, 4, 3},
             false},
        Case{"entries_of_unknown_products_stay",
             File(Group("1"), kOneProduct, Day("3", Entry("77", "1.5") + Entry("1", "2"))),
             LoadStatus::Ok,
             "groups 1=G; products 1(N); days 3:[1=2,77=1.5]",
             {},
             false},
        Case{"blanks_around_texts",
             File(Group("1", "  Backwaren \t"), Product(Gen(" 1 "), List("ver", " 2 "), List("nam", "\r\n  Kaffee  ")),
                  ""),
             LoadStatus::Ok,
             "groups 1=Backwaren; products 1(Kaffee); days",
             {},
             false},
        Case{"sections_in_any_order_without_root",
             "junk <days>" + kOneDay + "</days> <products>" + kOneProduct + "</products><groups>" + Group("1") +
                 "</groups>",
             LoadStatus::Ok,
             "groups 1=G; products 1(N); days 100:[1=24]",
             {},
             false},
        Case{"file_cut_in_the_products",
             File(Group("1"), kOneProduct, kOneDay).substr(0, 200),
             LoadStatus::Ok,
             "groups 1=G; products; days",
             {0, 1, 0, 0, 0},
             true},
        Case{"file_cut_in_the_days",
             File(Group("1"), kOneProduct, kOneDay + kOneDay + kOneDay).substr(0, 400),
             LoadStatus::Ok,
             "groups 1=G; products 1(N); days",
             {0, 0, 0, 2, 0},
             false},
        Case{"not_a_project",
             std::string("\0\xFF<<>></>", 10),
             LoadStatus::NoGroups,
             "groups; products; days",
             {},
             false}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kontaro::model
