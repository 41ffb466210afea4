#include "repocopy_test_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace repocopy_test {

namespace {

std::string Joined(std::initializer_list<const char*> lines, const char* end) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + end;
  return text;
}

}  // namespace

std::string Crlf(std::initializer_list<const char*> lines) { return Joined(lines, "\r\n"); }

std::string Lf(std::initializer_list<const char*> lines) { return Joined(lines, "\n"); }

dravon::repocopy::Error Read(const std::string& text, Defs& defs, std::vector<dravon::repocopy::Error>* warnings) {
  dravon::repocopy::LineReader in(text);
  dravon::repocopy::ReadHooks hooks;
  if (warnings != nullptr) hooks.warning = [warnings](const dravon::repocopy::Error& w) { warnings->push_back(w); };
  return dravon::repocopy::ReadDefinitions(in, defs, hooks);
}

std::string EditorFile() {
  return Crlf({
      "[Pellisk]",
      "Version = 3.0.0",
      "[End]",
      "[BusinessObjectDefinition]",
      "Name = Customer",
      "Version = 2.0.0",
      "AppSpecificInfo = table=cust; owner = sales",
      "",
      "\t[Attribute]",
      "\tName = Id",
      "\tType = String",
      "\tMaxLength = 32",
      "\tIsKey = true",
      "\tIsForeignKey = false",
      "\tIsRequired = true",
      "\tAppSpecificInfo = column=id",
      "\tDefaultValue = 0",
      "\tIsRequiredServerBound = false",
      "\tComments = The key, 50% of it  ",
      "\t[End]",
      "",
      "\t[Attribute]",
      "\tName = Address",
      "\tType = Address",
      "\tContainedObjectVersion = 1.0.0",
      "\tRelationship = Containment",
      "\tCardinality = N",
      "\tMaxLength = ",
      "\tIsKey = false",
      "\tIsForeignKey = true",
      "\tIsRequired = false",
      "\tIsRequiredServerBound = false",
      "\t[End]",
      "",
      "\t[Attribute]",
      "\tName = ObjectEventId",
      "\tType = String",
      "\tMaxLength = 255",
      "\tIsKey = false",
      "\tIsForeignKey = false",
      "\tIsRequired = false",
      "\tIsRequiredServerBound = false",
      "\t[End]",
      "",
      "\t[Verb]",
      "\tName = Create",
      "\tAppSpecificInfo = INSERT customer",
      "\t[End]",
      "",
      "\t[Verb]",
      "\tName = Delete",
      "\t[End]",
      "",
      "\t[Property]",
      "\tName = BO_SPEC_PROPERTY",
      "\tAttrName = Owner",
      "\tAttrType = String",
      "\tAttrValue = sales ",
      "\tAttrDescription = ",
      "\t[End]",
      "",
      "\t[Property]",
      "\tName = BO_SPEC_PROPERTY",
      "\tAttrName = Empty",
      "\tAttrValue = ",
      "\tAttrDescription = ",
      "\t[End]",
      "[End]",
      "[BusinessObjectDefinition]",
      "Name = Address",
      "Version = 1.0.0",
      "",
      "\t[Attribute]",
      "\tName = Street",
      "\tType = String",
      "\tMaxLength = 80",
      "\tIsKey = true",
      "\tIsForeignKey = false",
      "\tIsRequired = false",
      "\tIsRequiredServerBound = false",
      "\t[End]",
      "[End]",
  });
}

Defs EditorDefinitions() {
  Defs defs;
  auto customer = std::make_unique<CQRBusObjDef>("Customer", nullptr, HvStateNew);
  customer->SetVersion("2.0.0");
  customer->SetAppInfo("table=cust; owner = sales");
  auto* id = new CBODefAttr(1, "Id", "String");
  id->SetMaxLength("32");
  id->SetKey(TRUE);
  id->SetRequired(TRUE);
  id->SetAppInfo("column=id");
  id->SetDefaultValue("0");
  id->SetComments("The key, 50% of it  ");
  customer->GetAttrs().Add(id);
  auto* address = new CBODefAttr(2, "Address", "Address");
  address->SetContainedObjectVersion("1.0.0");
  address->SetRelationship("Containment");
  address->SetCardinality("N");
  address->SetForeignKey(TRUE);
  customer->GetAttrs().Add(address);
  auto* eventId = new CBODefAttr(3, CBODefAttr::ATTR_OBJECT_EVENT_ID, "String");
  eventId->SetMaxLength("255");
  customer->GetAttrs().Add(eventId);
  customer->AddVerb("Create", "INSERT customer");
  customer->AddVerb("Delete", "");
  customer->AddProperty("Owner", "String", "sales ", "");
  customer->AddProperty("Empty", "", "", "");
  defs.push_back(std::move(customer));

  auto street = std::make_unique<CQRBusObjDef>("Address", nullptr, HvStateNew);
  auto* streetAttr = new CBODefAttr(1, "Street", "String");
  streetAttr->SetMaxLength("80");
  streetAttr->SetKey(TRUE);
  street->GetAttrs().Add(streetAttr);
  defs.push_back(std::move(street));
  return defs;
}

std::vector<const CQRBusObjDef*> Pointers(const Defs& defs) {
  std::vector<const CQRBusObjDef*> pointers;
  for (const auto& def : defs) pointers.push_back(def.get());
  return pointers;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFileText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace repocopy_test
