#include "headless/dialogs/rc_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "headless/dialogs/template_library.h"
#include "headless/host_error.h"

namespace vxh::dialogs {
namespace {

constexpr const char* kSample = R"(// a comment
#include <windows.h>
1 ICON "x.ico"
DLGX DIALOGEX 0, 0, 120, 60
STYLE DS_MODALFRAME | WS_POPUP
CAPTION "Sample ""quoted"""
FONT 8, "MS Sans Serif"
BEGIN
    LTEXT "Name:", IDC_STATIC, 7, 10, 25, 8
    EDITTEXT 1026, 34, 8, 84, 12, ES_AUTOHSCROLL | WS_DISABLED
    LISTBOX 1043, 7, 20, 50, 30, LBS_SORT | LBS_OWNERDRAWFIXED | NOT WS_VISIBLE
    CONTROL "x", 1050, "Button", BS_OWNERDRAW, 7, 50, 50, 8
    CONTROL "y", 1051, "Button", BS_AUTORADIOBUTTON | WS_GROUP,
            60, 50, 50, 8
    DEFPUSHBUTTON "OK", IDOK, 14, 39, 50, 14
END
)";

TEST(RcParser, ReadsADialogWithItsControls) {
  const std::vector<DialogTemplate> all = ParseResourceScript(kSample, "sample.rc");
  ASSERT_EQ(all.size(), 1u);
  const DialogTemplate& d = all[0];
  EXPECT_EQ(d.name, "DLGX");
  EXPECT_EQ(d.title, "Sample \"quoted\"");
  EXPECT_EQ(d.width, 120);
  EXPECT_EQ(d.height, 60);
  ASSERT_EQ(d.controls.size(), 6u);
  EXPECT_EQ(d.controls[0].id, kNoId);
  const ControlTemplate* edit = d.Find(1026);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->kind, ControlKind::kEdit);
  EXPECT_TRUE(edit->Disabled());
  const ControlTemplate* list = d.Find(1043);
  EXPECT_TRUE(list->Sorted());
  EXPECT_TRUE(list->OwnerDrawn());
  EXPECT_FALSE(list->Visible());
  EXPECT_EQ(d.Find(1050)->kind, ControlKind::kOwnerButton);
  EXPECT_EQ(d.Find(1051)->kind, ControlKind::kRadio);
  EXPECT_EQ(d.Find(1051)->y, 50);
  EXPECT_TRUE(d.Find(1)->default_button);
}

struct BadCase {
  const char* name;
  const char* source;
  const char* message;
};

TEST(RcParser, ErrorsNameTheLineAndTheProblem) {
  const BadCase cases[] = {
      {"UnclosedText", "D DIALOG 0,0,1,1\nCAPTION \"abc\nBEGIN\nEND\n", "bad.rc:2: a text"},
      {"MissingEnd", "D DIALOG 0,0,10,10\nBEGIN\n LTEXT \"a\", 1, 0,0,1,1\n", "bad.rc:1: the dialog D is not closed"},
      {"UnknownStatement", "D DIALOG 0,0,10,10\nBEGIN\n SLIDER 1,2,3,4,5\nEND\n",
       "bad.rc:3: unknown control statement SLIDER"},
      {"UnknownStyle", "D DIALOG 0,0,10,10\nBEGIN\n EDITTEXT 5, 1,1,1,1, ES_FANCY\nEND\n",
       "bad.rc:3: a number or a known style"},
      {"TooFewArguments", "D DIALOG 0,0,10,10\nBEGIN\n LTEXT \"a\", 1, 2\nEND\n", "bad.rc:3: LTEXT takes 6 to 8"},
      {"DuplicateId", "D DIALOG 0,0,10,10\nBEGIN\n EDITTEXT 5,1,1,1,1\n EDITTEXT 5,1,1,1,1\nEND\n",
       "bad.rc:4: the id 5 is used twice"},
      {"NoSize", "D DIALOG 0,0,0,10\nBEGIN\nEND\n", "bad.rc:1: the dialog D has no size"},
      {"UnknownClass", "D DIALOG 0,0,9,9\nBEGIN\n CONTROL \"a\",1,\"Slider\",0,1,1,1,1\nEND\n", "unknown window class"},
      {"UnclosedComment", "/* abc\n", "bad.rc:1: a comment"},
      {"StrayCharacter", "D DIALOG 0,0,9,9 @\n", "unexpected character '@'"}};
  for (const BadCase& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ParseResourceScript(c.source, "bad.rc");
      ADD_FAILURE() << "no error";
    } catch (const BadInput& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

struct TemplateCase {
  const char* name;
  const char* title;
  int width;  // 0: not fixed
  int height;
  std::vector<int> ids;
};

// The templates whose commands' runs (and their scenarios) do not already
// bind every id and show the title.
TEST(PackTemplates, HaveTitleSizeAndEveryBoundId) {
  const TemplateCase cases[] = {
      {"DLGHATCHOPT", "Simple line patterns", 217, 239, {1022, 1023, 1024, 1037, 1002, 1003, 1004, 1005, 1006, 1007,
                                                         1009, 1010, 1014, 1015, 1016, 1017, 1018, 1019, 1011, 2}},
      {"DLGSAVE", "Save options as...", 125, 60, {1026, 2}},
      {"DLGACADPAT", "AutoCAD PAT-files", 294, 142, {1054, 1052, 1024}},
      {"DLGTEXHELP", "Vorlix Text Help", 0, 0, {1011, 1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021,
                                                1022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032,
                                                1033, 1034, 1035, 1036, 1037, 1038, 1039, 1040, 1041, 1042, 2}}};
  for (const TemplateCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DialogTemplate* d = FindDialogTemplate(c.name);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->title, c.title);
    if (c.width != 0) {
      EXPECT_EQ(d->width, c.width);
      EXPECT_EQ(d->height, c.height);
    }
    for (int id : c.ids) EXPECT_NE(d->Find(id), nullptr) << c.name << " lacks " << id;
    EXPECT_NE(d->Find(1), nullptr) << "every dialog has OK";
  }
}

TEST(PackTemplates, AllFifteenAreThere) { EXPECT_EQ(DialogTemplateNames().size(), 15u); }

TEST(PackTemplates, LinkButtonIsOwnerDrawnAndListsAreSorted) {
  const DialogTemplate* hatch = FindDialogTemplate("DLGHATCHCMD");
  EXPECT_EQ(hatch->Find(1050)->kind, ControlKind::kOwnerButton);
  EXPECT_TRUE(hatch->Find(1043)->OwnerDrawn());
  EXPECT_TRUE(hatch->Find(1044)->Sorted());
  EXPECT_TRUE(FindDialogTemplate("DLGHATCHOPT")->Find(1022)->Sorted());
  EXPECT_TRUE(FindDialogTemplate("DLGHATCHOPT")->Find(1004)->Disabled());
  EXPECT_FALSE(FindDialogTemplate("DLG_VXTSEQ")->Find(1065)->Sorted());
}

}  // namespace
}  // namespace vxh::dialogs
