// Business-object definitions through the data manager: their life on
// the server, state bits, notices to views, names and dependencies.
#include <sqlite3.h>

#include "DravonAdmin.h"
#include "AgentProperty.h"
#include "dravon_test_support.h"

namespace dravon_test {
namespace {

class BODefTest : public DravonTest {
 protected:
  // A second session, as a program started later would have.
  void Reconnect() {
    delete CDataManager::PeekInstance();
    ASSERT_TRUE(LogIn());
  }
  bool ServerHas(const char* name) {
    const CStringList* names = Dm().RefreshBONames(1);
    return names->Find(name) != nullptr;
  }
  void RunSql(const char* sql) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(ServerFilePath().c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(raw);
    sqlite3_close(raw);
  }
};

CBODefAttr* FullAttr() {
  auto* a = new CBODefAttr(1, "Id", "String");
  a->SetKey(TRUE);
  a->SetRequired(TRUE);
  a->SetCardinality("1");
  a->SetMaxLength("40");
  a->SetDefaultValue("none");
  a->SetAppInfo("column=id");
  a->SetComments("the key");
  return a;
}

TEST_F(BODefTest, ADefinitionGoesThroughItsWholeLife) {
  ASSERT_TRUE(LogIn());
  CQRBusObjDef* def = Dm().GetBO("Customer", 1, 1);
  ASSERT_NE(def, nullptr);
  EXPECT_EQ(def->GetState(), HvStateNew);
  EXPECT_EQ(Dm().GetBO("Customer", 0, 0), def) << "the same pointer until closed";
  EXPECT_NE(Dm().RefreshBONames(0)->Find("Customer"), nullptr);
  def->GetAttrs().Add(FullAttr());
  auto* address = new CBODefAttr(2, "Address", "Address");
  address->SetRelationship("Containment");
  address->SetContainedObjectVersion("1.0.0");
  def->GetAttrs().Add(address);
  def->SetDefaultVerbs();
  def->GetVerbs()[0]->SetAppInfo("insert");
  def->AddProperty("Owner", "String", "sales", "");
  def->SetAppInfo("table=customers");
  def->AddState(HvStateModified | HvStateWrittenToFile);
  ASSERT_EQ(def->Save(), 1);
  EXPECT_EQ(def->GetState(), HvStateOnServer | HvStateSavedToServer);
  EXPECT_EQ(def->GetVerbs()[0]->GetState(), 0) << "saved verbs are no longer modified";

  // Listed and opened by a later session with every field in order.
  Reconnect();
  ASSERT_TRUE(ServerHas("Customer"));
  CQRBusObjDef* opened = Dm().GetBO("Customer", 0, 1);
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->GetState(), HvStateOnServer);
  EXPECT_EQ(opened->GetAppInfo(), "table=customers");
  ASSERT_EQ(opened->GetAttrs().GetSize(), 2);
  const CBODefAttr& id = *opened->GetAttrs()[0];
  EXPECT_EQ(id.GetName(), "Id");
  EXPECT_TRUE(id.IsKey());
  EXPECT_FALSE(id.IsForeignKey());
  EXPECT_TRUE(id.IsRequired());
  EXPECT_EQ(id.GetCardinality(), "1");
  EXPECT_EQ(id.GetMaxLength(), "40");
  EXPECT_EQ(id.GetDefaultValue(), "none");
  EXPECT_EQ(id.GetAppInfo(), "column=id");
  EXPECT_EQ(id.GetComments(), "the key");
  EXPECT_FALSE(opened->GetAttrs()[1]->IsSimpleType());
  EXPECT_EQ(opened->GetAttrs()[1]->GetRelationship(), "Containment");
  ASSERT_EQ(opened->GetVerbs().GetSize(), 4);
  EXPECT_EQ(opened->GetVerbs()[0]->GetName(), "Create");
  EXPECT_EQ(opened->GetVerbs()[0]->GetAppInfo(), "insert");
  EXPECT_EQ(opened->GetVerbs()[3]->GetName(), "Delete");
  ASSERT_EQ(opened->GetProperties().GetSize(), 1);
  EXPECT_EQ(opened->GetProperties()[0].value, "sales");

  // Changed, then reverted to the server's copy.
  opened->GetAttrs().DeleteAt(1);
  opened->AddState(HvStateModified);
  ASSERT_TRUE(opened->RevertAttrs());
  EXPECT_EQ(opened->GetAttrs().GetSize(), 2);
  EXPECT_EQ(opened->GetState() & HvStateModified, 0);

  // Changed and saved.
  opened->GetAttrs()[0]->SetMaxLength("80");
  ASSERT_EQ(opened->Save(), 1);
  Reconnect();
  EXPECT_EQ(Dm().GetBO("Customer", 0, 1)->GetAttrs()[0]->GetMaxLength(), "80");
}

TEST_F(BODefTest, RenamingKeepsTheImportUnderTheOldName) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Customer", {"String"});
  CQRBusObjDef* existing = Dm().GetBO("Customer", 0, 0);
  HWND view = MakeWindow();
  Dm().AddWindowHandle(view, "Customer");
  CQRBusObjDef* import = Dm().CreateNewBODef("Customer");
  EXPECT_EQ(Dm().GetBO("Customer", 0, 0), existing) << "a new definition is not held by itself";
  EXPECT_FALSE(Dm().RenameOld("Customer", import)) << "the new name must be free";
  ASSERT_TRUE(Dm().RenameOld("Client", import));
  EXPECT_STREQ(existing->name(), "Client");
  EXPECT_EQ(Dm().GetBO("Client", 0, 0), existing);
  EXPECT_EQ(Dm().GetBO("Customer", 0, 0), import);
  Dm().SendRefreshMsg("Client");
  Pump();
  ASSERT_EQ(NoticesOf(view).size(), 1u) << "the views follow the rename";
  EXPECT_EQ(NoticesOf(view)[0].name, "Client");
  Reconnect();
  EXPECT_TRUE(ServerHas("Client"));
  EXPECT_FALSE(ServerHas("Customer"));

  CQRBusObjDef* other = Dm().CreateNewBODef("Client");
  EXPECT_FALSE(Dm().RenameNew("Client", other));
  ASSERT_TRUE(Dm().RenameNew("Client2", other));
  EXPECT_EQ(Dm().GetBO("Client2", 0, 0), other);
}

TEST_F(BODefTest, DeletingTellsTheViewsAndLeavesTheServer) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Order", {"Integer"});
  HWND view = MakeWindow();
  HWND otherView = MakeWindow();
  Dm().AddWindowHandle(view, "Order");
  Dm().AddWindowHandle(otherView, "Invoice");
  ASSERT_EQ(Dm().DeleteBO("Order"), 1);
  Pump();
  EXPECT_EQ(MessagesOf(view), (std::vector<UINT>{WM_HV_DEF_CLOSE, WM_HV_DEF_GONE}));
  EXPECT_EQ(MessagesOf(otherView), (std::vector<UINT>{WM_HV_DEF_CLOSE, WM_HV_DEF_GONE}))
      << "views holding an expansion of the name decide by the name";
  EXPECT_EQ(NoticesOf(view)[1].name, "Order");
  EXPECT_EQ(Dm().GetBO("Order", 0, 0), nullptr);
  EXPECT_FALSE(ServerHas("Order"));
  EXPECT_EQ(Dm().DeleteObject(HvObjBusObj, "Order", 0), 0) << "nothing left to delete";
}

TEST_F(BODefTest, RefusedDeleteAndSaveChangeNothing) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Order", {"Integer"});
  dravon::test::RefuseDelete(true);
  EXPECT_EQ(Dm().DeleteBO("Order"), 0);
  dravon::test::RefuseSave(true);
  CQRBusObjDef* def = Dm().GetBO("Order", 0, 0);
  def->GetAttrs().Add(new CBODefAttr(2, "Extra", "String"));
  def->AddState(HvStateModified);
  EXPECT_EQ(def->Save(), 0);
  EXPECT_NE(def->GetState() & HvStateModified, 0);
  dravon::test::ResetFaults();
  Reconnect();
  ASSERT_TRUE(ServerHas("Order"));
  EXPECT_EQ(Dm().GetBO("Order", 0, 1)->GetAttrs().GetSize(), 1);
}

TEST_F(BODefTest, ASaveThatFailsHalfwayLeavesTheRepositoryAsItWas) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Order", {"Integer", "String"});
  RunSql("CREATE TRIGGER no_verbs BEFORE INSERT ON bo_verbs BEGIN SELECT RAISE(ABORT, 'refused'); END;");
  CQRBusObjDef* def = Dm().GetBO("Order", 0, 0);
  def->GetAttrs().DeleteAt(0);
  def->SetDefaultVerbs();
  EXPECT_EQ(def->Save(), 0);
  EXPECT_TRUE(Dm().IsConnected()) << "a refused write is no lost server";
  RunSql("DROP TRIGGER no_verbs;");
  Reconnect();
  CQRBusObjDef* stored = Dm().GetBO("Order", 0, 1);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->GetAttrs().GetSize(), 2);
  EXPECT_EQ(stored->GetVerbs().GetSize(), 0);
}

TEST_F(BODefTest, NamesAreUniqueIgnoringCasePerObjectType) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Customer", {"String"});
  EXPECT_EQ(Dm().IsUnique(HvObjBusObj, "Customer"), 0);
  EXPECT_EQ(Dm().IsUnique(HvObjBusObj, "CUSTOMER"), 0);
  EXPECT_EQ(Dm().IsUnique(HvObjBusObj, "Supplier"), 1);
  std::string error;
  ASSERT_TRUE(dravon::admin::AddObject(kServer, HvObjNativeMap, "CustomerMap", {"Customer"}, error)) << error;
  EXPECT_EQ(Dm().IsUnique(HvObjNativeMap, "customermap"), 0);
  EXPECT_EQ(Dm().IsUnique(HvObjCollabTemplate, "CustomerMap"), 1);
  CQRObj* map = Dm().GetMap("CustomerMap");
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->GetObjType(), HvObjNativeMap);
  EXPECT_EQ(Dm().GetMap("CustomerMap"), map) << "one object per name";
  EXPECT_EQ(Dm().GetTemplate("CustomerMap"), nullptr);
}

TEST_F(BODefTest, DependenciesComeInUseOrder) {
  ASSERT_TRUE(LogIn());
  PutOnServer("C", {"String"});
  PutOnServer("B", {"C", "Integer"});
  PutOnServer("A", {"B", "C"});
  std::string error;
  ASSERT_TRUE(dravon::admin::AddObject(kServer, HvObjNativeMap, "MapOfB", {"B"}, error));
  ASSERT_TRUE(dravon::admin::AddObject(kServer, HvObjCollabTemplate, "Flow", {"B", "C"}, error));
  CList<CQRSupportedBO*, CQRSupportedBO*> bos;
  CQRSupportedBO supported{"B", 1, 0};
  bos.AddTail(&supported);
  const CList<HvProperty*, HvProperty*> noProperties;
  ASSERT_NE(Dm().AddConnector("Conn", "1.0.0", 2, bos, noProperties, noProperties), nullptr);

  Reconnect();
  const CQRObjRefArray* users = Dm().FindSuperDepsForBO(HvObjBusObj, "B");
  std::vector<std::pair<int, std::string>> got;
  for (INT_PTR i = 0; i < users->GetSize(); ++i) got.emplace_back((*users)[i]->GetObjType(), (*users)[i]->name());
  EXPECT_EQ(
      got,
      (std::vector<std::pair<int, std::string>>{
          {HvObjBusObj, "A"}, {HvObjCollabTemplate, "Flow"}, {HvObjConnector, "Conn"}, {HvObjNativeMap, "MapOfB"}}));

  CQRBusObjDef* a = Dm().GetBO("A", 0, 1);
  const CBODefArray& withSelf = a->GetDependentBos(TRUE);
  ASSERT_EQ(withSelf.GetSize(), 3);
  EXPECT_STREQ(withSelf[0]->name(), "C");
  EXPECT_STREQ(withSelf[1]->name(), "B");
  EXPECT_STREQ(withSelf[2]->name(), "A");
  EXPECT_EQ(a->GetDependentBos(FALSE).GetSize(), 2);
  EXPECT_TRUE(Dm().is_bo1_using_bo2(a, "C"));
  EXPECT_FALSE(Dm().is_bo1_using_bo2(Dm().GetBO("C", 0, 0), "A"));
  CBODefArray usersOfC;
  Dm().find_bos_using_bo("C", usersOfC);
  EXPECT_EQ(usersOfC.GetSize(), 2);
  EXPECT_EQ(CQRBusObjDef::GetBoWithMostChildren(), a);
}

TEST_F(BODefTest, DependencyCyclesEnd) {
  CQRBusObjDef* d = Dm().GetBO("D", 1, 0);
  CQRBusObjDef* e = Dm().GetBO("E", 1, 0);
  d->GetAttrs().Add(new CBODefAttr(1, "ToE", "E"));
  e->GetAttrs().Add(new CBODefAttr(1, "ToD", "D"));
  const CBODefArray& order = d->GetDependentBos(TRUE);
  ASSERT_EQ(order.GetSize(), 2);
  EXPECT_EQ(order[0], e);
  EXPECT_EQ(order[1], d);
}

TEST_F(BODefTest, ClosedDefinitionsStayValidUntilReleasedAndHeldOnesStay) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Held", {"String"});
  PutOnServer("Loose", {"String"});
  CQRBusObjDef* held = Dm().GetBO("Held", 0, 0);
  CQRBusObjDef* loose = Dm().GetBO("Loose", 0, 0);
  HWND view = MakeWindow();
  Dm().AddWindowHandle(view, "Held");
  Dm().AddWindowHandle(view, "Loose");
  Dm().CloseBO("Loose", view);
  EXPECT_EQ(Dm().GetBO("Loose", 0, 0), loose) << "a window's close only ends its hold";
  Dm().CloseBO("Loose", nullptr);
  Pump();
  ASSERT_EQ(MessagesOf(view), std::vector<UINT>{WM_HV_DEF_GONE}) << "views decide by the name";
  EXPECT_EQ(NoticesOf(view)[0].name, "Loose");
  EXPECT_EQ(Dm().GetBO("Loose", 0, 0), nullptr);
  EXPECT_STREQ(loose->name(), "Loose") << "unloaded, not freed";
  EXPECT_NE(Dm().RefreshBONames(0)->Find("Loose"), nullptr) << "the server still has it";
  Dm().ReleaseBODefs();
  EXPECT_EQ(Dm().GetBO("Held", 0, 0), held) << "a window holds it";
  DestroyWindow(view);
  Dm().ReleaseSelectedBODefs();
  EXPECT_EQ(Dm().GetBO("Held", 0, 0), nullptr);
  CQRBusObjDef* again = Dm().GetBO("Held", 0, 1);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->GetAttrs().GetSize(), 1);
}

TEST_F(BODefTest, ACallerMayDeleteANewDefinitionItself) {
  CQRBusObjDef* def = Dm().CreateNewBODef("Temp");
  Dm().GetBODefs(1)->SetAt("Temp", def);
  delete def;
  EXPECT_EQ(Dm().GetBO("Temp", 0, 0), nullptr);
  Dm().ReleaseBODefs();
}

TEST_F(BODefTest, AnAdoptedDefinitionIsTheDataManagersLikeANewOne) {
  ASSERT_TRUE(LogIn());
  auto read = std::make_unique<CQRBusObjDef>("Adopted", nullptr, HvStateWrittenToFile);
  CQRBusObjDef* def = Dm().AdoptBODef(std::move(read));
  EXPECT_EQ(def->GetServer(), Dm().GetServer());
  EXPECT_EQ(def->GetState(), HvStateWrittenToFile) << "its state is kept";
  Dm().GetBODefs(1)->SetAt("Adopted", def);
  Dm().RefreshBONames(0)->AddTail("Adopted");
  EXPECT_EQ(Dm().GetBO("Adopted", 0, 0), def);
  // A caller may still delete it once; what it does not delete the
  // release frees (a leak would show under the sanitizers).
  CQRBusObjDef* dropped = Dm().AdoptBODef(std::make_unique<CQRBusObjDef>("Dropped", nullptr, HvStateNew));
  delete dropped;
  Dm().AdoptBODef(std::make_unique<CQRBusObjDef>("Unheld", nullptr, HvStateNew));
  Dm().ReleaseBODefs();
  EXPECT_EQ(Dm().GetBO("Adopted", 0, 0), nullptr);
}

TEST_F(BODefTest, AReleaseFreesInOnePassAndCollapsesWhatPointedAtTheFreed) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Part", {"String"});
  PutOnServer("Whole", {"Part"});
  CQRBusObjDef* whole = Dm().GetBO("Whole", 0, 0);
  CQRBusObjDef* part = Dm().GetBO("Part", 0, 0);
  CQRBusObjDef* local = Dm().GetBO("LocalOnly", 1, 0);
  CQRBusObjDef* mapped = Dm().CreateNewBODef("Mapped");
  Dm().GetBODefs(1)->SetAt("UnderAnotherKey", mapped);
  whole->GetAttrs()[0]->SetContainedDef(part);
  whole->GetAttrs()[0]->SetExpanded(TRUE);
  HWND view = MakeWindow();
  Dm().AddWindowHandle(view, "Whole");
  ASSERT_NE(local, nullptr);
  Dm().ReleaseBODefs();
  EXPECT_EQ(Dm().GetBO("Whole", 0, 0), whole);
  EXPECT_EQ(Dm().GetBO("Part", 0, 0), nullptr);
  EXPECT_EQ(whole->GetAttrs()[0]->GetContainedDef(), nullptr) << "no pointer to a freed definition";
  EXPECT_FALSE(whole->GetAttrs()[0]->IsExpanded());
  CBODefMap* defs = Dm().GetBODefs(0);
  CQRBusObjDef* found = nullptr;
  EXPECT_FALSE(defs->Lookup("UnderAnotherKey", found)) << "found by pointer, whatever its key";
  const CStringList* names = Dm().RefreshBONames(0);
  EXPECT_EQ(names->Find("LocalOnly"), nullptr) << "a freed local definition is no longer listed";
  EXPECT_NE(names->Find("Part"), nullptr) << "the server still has it";
}

TEST_F(BODefTest, CallersMayChangeTheNameListThemselves) {
  CStringList* names = Dm().RefreshBONames(0);
  CQRBusObjDef* first = Dm().GetBO("First", 1, 0);
  ASSERT_NE(first, nullptr);
  names->RemoveAll();
  names->AddTail("Typed");
  EXPECT_FALSE(Dm().RenameNew("Typed", first)) << "a name the caller listed is taken";
  EXPECT_TRUE(Dm().RenameNew("Second", first));
  EXPECT_NE(names->Find("Second"), nullptr);
  names->RemoveAt(names->Find("Second"));
  CQRBusObjDef* third = Dm().GetBO("Third", 1, 0);
  EXPECT_TRUE(Dm().RenameNew("Second", third)) << "a name the caller took out is free again";
  EXPECT_EQ(names->GetCount(), 2);
  names->SetAt(names->Find("Typed"), "Retyped");
  EXPECT_TRUE(Dm().RenameNew("Typed", first));
  EXPECT_FALSE(Dm().RenameNew("Retyped", first));
}

TEST_F(BODefTest, PartsOfADefinition) {
  CQRBusObjDef def("Parts", nullptr, HvStateNew);
  CBODefAttr* attr = FullAttr();
  CQRBusObjDef contained("Inner", nullptr, 0);
  attr->SetExpanded(TRUE);
  attr->SetContainedDef(&contained);
  CBODefAttr copy;
  copy.Copy(*attr);
  EXPECT_EQ(copy.GetMaxLength(), "40");
  EXPECT_FALSE(copy.IsExpanded()) << "copies come collapsed";
  EXPECT_EQ(copy.GetContainedDef(), nullptr);
  def.GetAttrs().Add(attr);
  def.GetAttrs().Add(new CBODefAttr(2, "Ref1", "Inner"));
  def.GetAttrs().Add(new CBODefAttr(3, "Name", "String"));
  def.GetAttrs().Add(new CBODefAttr(4, "Ref2", "Inner"));
  EXPECT_EQ(def.DeleteAttribute("Inner"), 2);
  ASSERT_EQ(def.GetAttrs().GetSize(), 2);
  EXPECT_EQ(def.GetAttrs()[1]->GetName(), "Name");
  EXPECT_EQ(def.GetAttrs()[1]->GetPosition(), 2);
  def.CloseAllAttrs();
  EXPECT_EQ(def.GetAttrs()[0]->GetContainedDef(), nullptr);

  def.SetDefaultVerbs();
  def.SetDefaultVerbs();
  EXPECT_EQ(def.GetVerbs().GetSize(), 4);
  CBODefVerb* verb = def.GetVerbs()[1];
  EXPECT_EQ(verb->GetState(), 0);
  verb->SetSubscription("sub");
  EXPECT_EQ(verb->GetState(), HvStateModified);

  CStringList host;
  host.AddTail("broker.example");
  AgentPropArray broker;
  broker.Add(AgentProperty("Host", "The broker's host", "5", host, 1, 1, "1"));
  def.SetKBRXProperties(broker);
  def.SetGenerateBrokerFiles(TRUE);

  CQRBusObjDef target("Target", nullptr, 0);
  target.Copy(def);
  EXPECT_TRUE(target.GetKBRXProperties() == broker) << "a copy takes the broker export settings along";
  EXPECT_TRUE(target.GetGenerateBrokerFiles());
  broker.RemoveAll();
  EXPECT_EQ(def.GetKBRXProperties().GetSize(), 1) << "the definition keeps its own list";
  EXPECT_STREQ(target.name(), "Target") << "a copy keeps its own name";
  EXPECT_EQ(target.GetAttrs().GetSize(), 2);
  EXPECT_NE(target.GetAttrs()[0], def.GetAttrs()[0]) << "a deep copy";
  target.CleanBusObjDef();
  EXPECT_TRUE(target.GetAttrs().IsEmpty());
  EXPECT_TRUE(target.GetVerbs().IsEmpty());
}

TEST_F(BODefTest, ClipboardBlocksNameTheObjectOfThisProcess) {
  CQRBusObjDef temp("", nullptr, HvStateNew);
  HGLOBAL block = temp.PrepareClipboardData(QR_CLIPBOARD_BODEF);
  ASSERT_NE(block, nullptr);
  const auto* data = static_cast<const QRClipboardBlock*>(GlobalLock(block));
  EXPECT_EQ(data->kind, QR_CLIPBOARD_BODEF);
  GlobalUnlock(block);
  EXPECT_EQ(CQRObj::FromClipboardData(block, QR_CLIPBOARD_BODEF), &temp);
  EXPECT_EQ(CQRObj::FromClipboardData(block, 7), nullptr);
  EXPECT_EQ(CQRObj::FromClipboardData(nullptr, QR_CLIPBOARD_BODEF), nullptr);
  // A block whose owner is another process, or an earlier one with the
  // same process id, names nothing here.
  auto* writable = static_cast<QRClipboardBlock*>(GlobalLock(block));
  writable->ownerToken ^= 1;
  GlobalUnlock(block);
  EXPECT_EQ(CQRObj::FromClipboardData(block, QR_CLIPBOARD_BODEF), nullptr);
  writable = static_cast<QRClipboardBlock*>(GlobalLock(block));
  writable->ownerToken ^= 1;
  writable->ownerProcessId += 1;
  GlobalUnlock(block);
  EXPECT_EQ(CQRObj::FromClipboardData(block, QR_CLIPBOARD_BODEF), nullptr);
  GlobalFree(block);
}

}  // namespace
}  // namespace dravon_test
