// Result codes of the calls that change an instance or a container.
#pragma once

enum BOStatus {
  BO_OK = 0,
  BO_BAD_INDEX = -1,   // no attribute or element at that index
  BO_BAD_TYPE = -2,    // the value's kind or type does not suit the attribute
  BO_BAD_FORMAT = -3,  // the text is not a value of the attribute's type
  BO_TOO_LONG = -4,    // the text is longer than the attribute's maximum length
  BO_OWNED = -5,       // the object already belongs to another object or container
  BO_NULL_VALUE = -6,  // a null object where one is required
};
