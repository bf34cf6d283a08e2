// Notification delivery: registration, the design hook entry (ordinal 92),
// CDKStartNotifications, and each IDE event's operation and subject, in order.
#include <string>
#include <vector>

#include "CdkEvents.h"
#include "TestOutline.h"
#include "windows.h"

namespace cdktest {
namespace {

// Records each call as "Operation(subject)" where the subject is written as
// its runtime class and handles.
class RecordingSink : public CGNotificationInterface {
public:
  std::vector<std::string> calls;
  bool startOnHook = true;

  void OnRegistrationHookSet() override {
    calls.push_back("OnRegistrationHookSet");
    if (startOnHook) CDKStartNotifications();
  }
  void OnItemInserted(CObject* s) override { Add("OnItemInserted", s); }
  void OnItemDeleted(CObject* s) override { Add("OnItemDeleted", s); }
  void OnItemModified(HOUTLINE h, HITEM i) override { calls.push_back(Pair("OnItemModified", h, i)); }
  void OnItemMoved(CObject* s) override { Add("OnItemMoved", s); }
  void OnItemSelected(CObject* s) override { Add("OnItemSelected", s); }
  void OnItemExpanded(CObject* s) override { Add("OnItemExpanded", s); }
  void OnItemCollapsed(CObject* s) override { Add("OnItemCollapsed", s); }
  void OnOutlineCleared(CObject* s) override { Add("OnOutlineCleared", s); }
  void OnFileRead(CGItem* s) override { Add("OnFileRead", s); }
  void OnFileSave(CObject* s) override { Add("OnFileSave", s); }
  void OnFileNew(CObject* s) override { Add("OnFileNew", s); }
  void OnFileClose(CObject* s) override { Add("OnFileClose", s); }
  void OnCompile(CObject* s) override { Add("OnCompile", s); }
  void OnRunDesign(CObject* s) override { Add("OnRunDesign", s); }
  void OnRunUser(CObject* s) override { Add("OnRunUser", s); }
  void OnTaskActivate(CGItem* s) override { Add("OnTaskActivate", s); }
  void OnTaskDeactivate(CObject* s) override { Add("OnTaskDeactivate", s); }
  void TaskShutdown() override { calls.push_back("TaskShutdown"); }
  void OnUnknownNotification(int g, int c, HOUTLINE h, HITEM i) override {
    calls.push_back("OnUnknownNotification " + std::to_string(g) + "/" + std::to_string(c) + Pair("", h, i));
  }

private:
  static std::string Pair(const char* op, HOUTLINE h, HITEM i) {
    return std::string(op) + "(" + std::to_string(h) + "," + std::to_string(i) + ")";
  }
  void Add(const char* op, CObject* subject) {
    const CGItem* item = static_cast<const CGItem*>(subject);
    std::string valid = item->IsValid() ? "" : " invalid";
    calls.push_back(std::string(op) + " " + subject->GetRuntimeClass()->m_lpszClassName +
                    Pair("", item->GetOutline(), item->GetItem()) + valid);
  }
};

class CdkNotifyTest : public CdkOutlineTest {
protected:
  void SetUp() override {
    CdkOutlineTest::SetUp();
    cdk_ = LoadLibraryA("cdki42.dll");
    ASSERT_NE(cdk_, nullptr);
    hook_ = ProcAs<PFN_SWINDESIGNHOOKSET>(GetProcAddress(cdk_, MAKEINTRESOURCEA(CDK_ORDINAL_DESIGNHOOKSET)));
    ASSERT_NE(hook_, nullptr);
  }
  void TearDown() override {
    if (cdk_) FreeLibrary(cdk_);
    CdkOutlineTest::TearDown();
  }
  std::string P(HITEM i) const { return "(" + std::to_string(h_) + "," + std::to_string(i) + ")"; }

  HMODULE cdk_ = nullptr;
  PFN_SWINDESIGNHOOKSET hook_ = nullptr;
};

TEST_F(CdkNotifyTest, NothingBeforeRegistration) {
  EXPECT_FALSE(hook_(nullptr, 0));
  EXPECT_FALSE(CDKStartNotifications());
  EXPECT_FALSE(CdkNotifyTask(CDK_FILE_READ, h_));
}

// The hook entry reaches a registered sink before notifications start; the
// events reach it only once it has started them.
TEST_F(CdkNotifyTest, RegistrationHookThenStart) {
  RecordingSink sink;
  sink.startOnHook = false;
  EXPECT_TRUE(CDKRegisterNotificationInterface(&sink));
  EXPECT_FALSE(CdkNotifyTask(CDK_FILE_READ, h_));
  EXPECT_TRUE(hook_(reinterpret_cast<HWND>(0x10), 0));
  EXPECT_FALSE(CdkNotifyTask(CDK_FILE_READ, h_));
  EXPECT_TRUE(CDKStartNotifications());
  EXPECT_TRUE(CdkNotifyTask(CDK_FILE_READ, h_));
  EXPECT_EQ(sink.calls, (std::vector<std::string>{"OnRegistrationHookSet", "OnFileRead CGItem" + P(1)}));
}

TEST_F(CdkNotifyTest, EachEventWithItsSubject) {
  RecordingSink sink;
  CDKRegisterNotificationInterface(&sink);
  ASSERT_TRUE(hook_(nullptr, 0));
  HITEM root = ide::Ide::Instance().RootItem(h_);
  HITEM fAdd = Find("Function", "fAdd");
  struct Case { int group; int code; HITEM item; std::string call; };
  const std::vector<Case> cases = {
      {CDK_GROUP_TASK, CDK_FILE_READ, 0, "OnFileRead CGItem" + P(root)},
      {CDK_GROUP_TASK, CDK_TASK_ACTIVATE, 0, "OnTaskActivate CGApplication" + P(root)},
      {CDK_GROUP_OUTLINE, CDK_ITEM_INSERTED, fAdd, "OnItemInserted CGItem" + P(fAdd)},
      {CDK_GROUP_OUTLINE, CDK_ITEM_DELETED, fAdd, "OnItemDeleted CGItem" + P(fAdd)},
      {CDK_GROUP_OUTLINE, CDK_ITEM_MODIFIED, fAdd, "OnItemModified" + P(fAdd)},
      {CDK_GROUP_OUTLINE, CDK_ITEM_MOVED, fAdd, "OnItemMoved CGItem" + P(fAdd)},
      {CDK_GROUP_OUTLINE, CDK_ITEM_SELECTED, fAdd, "OnItemSelected CGItem" + P(fAdd)},
      {CDK_GROUP_OUTLINE, CDK_ITEM_EXPANDED, fAdd, "OnItemExpanded CGItem" + P(fAdd)},
      {CDK_GROUP_OUTLINE, CDK_ITEM_COLLAPSED, fAdd, "OnItemCollapsed CGItem" + P(fAdd)},
      {CDK_GROUP_OUTLINE, CDK_OUTLINE_CLEARED, 0, "OnOutlineCleared CGApplication" + P(root)},
      {CDK_GROUP_TASK, CDK_FILE_SAVE, 0, "OnFileSave CGApplication" + P(root)},
      {CDK_GROUP_TASK, CDK_FILE_NEW, 0, "OnFileNew CGApplication" + P(root)},
      {CDK_GROUP_TASK, CDK_FILE_CLOSE, 0, "OnFileClose CGApplication" + P(root)},
      {CDK_GROUP_TASK, CDK_COMPILE, 0, "OnCompile CGApplication" + P(root)},
      {CDK_GROUP_TASK, CDK_RUN_DESIGN, 0, "OnRunDesign CGApplication" + P(root)},
      {CDK_GROUP_TASK, CDK_RUN_USER, 0, "OnRunUser CGApplication" + P(root)},
      {CDK_GROUP_TASK, CDK_TASK_DEACTIVATE, 0, "OnTaskDeactivate CGApplication" + P(root)},
      {CDK_GROUP_TASK, CDK_TASK_SHUTDOWN, 0, "TaskShutdown"},
      {7, 3, fAdd, "OnUnknownNotification 7/3" + P(fAdd)},
      {CDK_GROUP_TASK, 42, 0, "OnUnknownNotification 2/42" + P(root)},
  };
  std::vector<std::string> expected = {"OnRegistrationHookSet"};
  for (const Case& c : cases) {
    if (c.group == CDK_GROUP_OUTLINE)
      EXPECT_TRUE(CdkNotifyOutline(static_cast<CdkOutlineCode>(c.code), h_, c.item));
    else if (c.group == CDK_GROUP_TASK && c.code <= CDK_TASK_SHUTDOWN)
      EXPECT_TRUE(CdkNotifyTask(static_cast<CdkTaskCode>(c.code), h_));
    else
      EXPECT_TRUE(CdkNotify(c.group, c.code, h_, c.group == CDK_GROUP_TASK ? root : c.item));
    expected.push_back(c.call);
  }
  EXPECT_EQ(sink.calls, expected);
}

// Task notifications about an outline that is not there still arrive; their
// subjects then say so.
TEST_F(CdkNotifyTest, SubjectOfAClosedOutlineIsInvalid) {
  RecordingSink sink;
  CDKRegisterNotificationInterface(&sink);
  hook_(nullptr, 0);
  HOUTLINE h = h_;
  ide::Ide::Instance().CloseOutline(h);
  EXPECT_TRUE(CdkNotifyTask(CDK_TASK_ACTIVATE, h));
  EXPECT_EQ(sink.calls.back(), "OnTaskActivate CGApplication(" + std::to_string(h) + ",0) invalid");
}

TEST_F(CdkNotifyTest, OneSinkAtATime) {
  RecordingSink first, second;
  CDKRegisterNotificationInterface(&first);
  hook_(nullptr, 0);
  CDKRegisterNotificationInterface(&second);  // replaces the first; not started yet
  EXPECT_FALSE(CdkNotifyTask(CDK_RUN_USER, h_));
  hook_(nullptr, 0);
  EXPECT_TRUE(CdkNotifyTask(CDK_RUN_USER, h_));
  EXPECT_EQ(first.calls, (std::vector<std::string>{"OnRegistrationHookSet"}));
  EXPECT_EQ(second.calls.size(), 2u);
  EXPECT_EQ(CdkRegisteredSink(), &second);
}

TEST_F(CdkNotifyTest, InvalidOrDestroyedSinkHearsNothing) {
  {
    RecordingSink sink;
    CDKRegisterNotificationInterface(&sink);
    hook_(nullptr, 0);
    sink.SetValid(FALSE);
    EXPECT_FALSE(sink.IsValid());
    EXPECT_FALSE(CdkNotifyTask(CDK_RUN_DESIGN, h_));
    EXPECT_FALSE(hook_(nullptr, 0));
    EXPECT_EQ(sink.calls.size(), 1u);
  }
  EXPECT_EQ(CdkRegisteredSink(), nullptr);  // its destructor unregistered it
  EXPECT_FALSE(CdkNotifyTask(CDK_RUN_DESIGN, h_));
}

// The defaults do nothing; the CDK's own OnNotification dispatches.
TEST_F(CdkNotifyTest, DefaultSinkAcceptsEverything) {
  CGNotificationInterface sink;
  EXPECT_TRUE(sink.IsValid());
  CDKRegisterNotificationInterface(&sink);
  EXPECT_TRUE(hook_(nullptr, 0));
  EXPECT_TRUE(CDKStartNotifications());
  for (int code = CDK_FILE_READ; code <= CDK_TASK_SHUTDOWN; ++code)
    EXPECT_TRUE(CdkNotifyTask(static_cast<CdkTaskCode>(code), h_));
  for (int code = CDK_ITEM_INSERTED; code <= CDK_OUTLINE_CLEARED; ++code)
    EXPECT_TRUE(CdkNotifyOutline(static_cast<CdkOutlineCode>(code), h_, 1));
  EXPECT_TRUE(CdkNotify(9, 9, 0, 0));
}

}  // namespace
}  // namespace cdktest
