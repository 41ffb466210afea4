// Connector properties, the library's list of standard connector
// properties, and the dependencies between standard properties.
#pragma once

#include <afxtempl.h>

#include "OwnedPtrArray.h"

// Property value types (the shared type names, in index order).
enum _E_HvPropType {
  HvPropObject = 0,
  HvPropBoolean = 1,
  HvPropInteger = 2,
  HvPropFloat = 3,
  HvPropDouble = 4,
  HvPropString = 5,
  HvPropDate = 6,
  HvPropLongText = 7,
  HvPropCipherText = 8,
  HvPropDirectory = 9,
  HvPropFile = 10,
};

// Bits of a property's flag word.
enum {
  HvPropFlagRead = 0x01,  // as read from a file or the server
  HvPropFlagNew = 0x04,   // new; with a template also "needs an upgrade"
  HvPropFlagChanged = 0x08,
  HvPropFlagDeleted = 0x10,
};

class HvProperty;
using HvPropertyArray = CArray<HvProperty*, HvProperty*>;

class AFX_EXT_CLASS HvProperty : public CObject {
  DECLARE_DYNAMIC(HvProperty)

 public:
  // A standard property's rule for the properties that depend on it: the
  // dependents are active while the operation holds for its value.
  class HvDependency : public CObject {
   public:
    enum Op { Equals, NotEquals, OneOf, NotEmpty };
    HvDependency(Op op, const CStringArray& operands);

    // Whether the rule holds for the value (compared ignoring case).
    BOOL IsOpValid(const char* value) const;
    // The dependent standard properties (templates, not owned).
    HvPropertyArray& GetDependents() { return m_dependents; }
    const HvPropertyArray& GetDependents() const { return m_dependents; }

   private:
    Op m_op;
    CStringArray m_operands;
    HvPropertyArray m_dependents;
  };

  HvProperty(const char* name, const char* value, int type, const char* updateMethod, int flags = 0);
  HvProperty(const HvProperty&) = delete;
  // A new property with this one's name, value, type, update method,
  // flags, both texts, default, allowed values and template.
  HvProperty* Clone() const;
  HvProperty& operator=(const HvProperty&) = delete;

  const CString& GetName() const { return m_strName; }
  void SetName(const char* name) { m_strName = name; }
  const CString& GetValue() const { return m_strValue; }
  // Zero when the value does not fit the property (see ValidateValue).
  int SetValue(const char* value);
  int GetType() const { return m_nType; }
  void SetType(int type) { m_nType = type; }
  const CString& GetUpdateMethod() const { return m_strUpdateMethod; }
  void SetUpdateMethod(const char* method) { m_strUpdateMethod = method; }
  // The update method the standard list gives for a name, else "".
  static CString GetUpdateMethod(const char* name);

  int GetFlags() const { return m_nFlags; }
  void SetFlags(int flags) { m_nFlags = flags; }
  int GetState() const { return m_nFlags; }
  void SetState(int state) { m_nFlags = state; }

  // What the property is for.
  const CString& GetDescription() const { return m_strDescription; }
  void SetDescription(const char* text) { m_strDescription = text; }
  // What its value may be (the values it takes, a unit); often empty.
  const CString& GetValueText() const { return m_strValueText; }
  void SetValueText(const char* text) { m_strValueText = text; }
  const CString& GetDefaultValue() const { return m_strDefault; }
  void SetDefaultValue(const char* value) { m_strDefault = value; }
  // Values the property accepts; empty: any value of its type.
  CStringArray& GetAllowedValues() { return m_allowed; }
  const CStringArray& GetAllowedValues() const { return m_allowed; }
  // 1 when the value fits the allowed values and the type, else 0.
  int ValidateValue(const char* value) const;

  // The standard-list entry this property was copied from (not owned).
  HvProperty* GetTemplate() const { return m_pTemplate; }
  void SetTemplate(HvProperty* templ) { m_pTemplate = templ; }
  BOOL IsActive() const { return m_bActive; }
  void SetActive(BOOL active) { m_bActive = active; }
  BOOL IsBroughtByDependency() const { return m_bByDependency; }
  void SetBroughtByDependency(BOOL brought) { m_bByDependency = brought; }
  HvPropertyArray& GetBringers() { return m_bringers; }
  const CString& GetLibrary() const { return m_strLibrary; }
  void SetLibrary(const char* library) { m_strLibrary = library; }
  // A new property copied from the standard list: the server's copy is
  // older than the library's list.
  BOOL NeedsUpgrade() const { return (m_nFlags & HvPropFlagNew) != 0 && m_pTemplate != nullptr; }

  COwnedPtrArray<HvDependency>& GetDependencies() { return m_dependencies; }
  const COwnedPtrArray<HvDependency>& GetDependencies() const { return m_dependencies; }

  // Whether the standard list has a property of this one's name.
  BOOL IsStandard() const;
  static BOOL IsStandardName(const char* name);
  // Fills m_stdProperties with the library's standard properties once.
  static void LoadStandard();
  // The standard list, in order. Dependents that only a dependency brings
  // in are not in it. Tests may put their own entries here.
  static HvPropertyArray m_stdProperties;
  // The standard-list entry of a name, dependents included, or null.
  static HvProperty* FindStandard(const char* name);

 private:
  CString m_strName;
  CString m_strValue;
  int m_nType;
  CString m_strUpdateMethod;
  int m_nFlags;
  CString m_strDescription;
  CString m_strValueText;
  CString m_strDefault;
  CStringArray m_allowed;
  HvProperty* m_pTemplate = nullptr;
  BOOL m_bActive = TRUE;
  BOOL m_bByDependency = FALSE;
  HvPropertyArray m_bringers;
  CString m_strLibrary;
  COwnedPtrArray<HvDependency> m_dependencies;
};
