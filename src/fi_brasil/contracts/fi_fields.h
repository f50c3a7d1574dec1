#pragma once
// How the remotable types of the F&I Brasil contracts are declared. Each type
// lists its elements once, in declaration order, as
//   LIST(T, I, O, A)  with  T(name) text, I(name) 32-bit integer,
//                           O(Type, name) one nested object, A(Type, name) array
// and the macros below turn a list into members. Every element is optional:
// it carries a presence flag <name>_Specified, which a setter raises and a
// reply reader sets when the element came. A type owns its nested objects
// and the items of its arrays.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#define FIB_DECLARE_T(name)                   \
  std::string name;                           \
  bool name##_Specified = false;              \
  void Set_##name(const std::string& value) { \
    name = value;                             \
    name##_Specified = true;                  \
  }
#define FIB_DECLARE_I(name)        \
  int32_t name = 0;                \
  bool name##_Specified = false;   \
  void Set_##name(int32_t value) { \
    name = value;                  \
    name##_Specified = true;       \
  }
#define FIB_DECLARE_O(Type, name)                \
  std::unique_ptr<Type> name;                    \
  bool name##_Specified = false;                 \
  void Set_##name(std::unique_ptr<Type> value) { \
    name = std::move(value);                     \
    name##_Specified = name != nullptr;          \
  }
#define FIB_DECLARE_A(Type, name)            \
  std::vector<Type> name;                    \
  bool name##_Specified = false;             \
  void Set_##name(std::vector<Type> value) { \
    name = std::move(value);                 \
    name##_Specified = true;                 \
  }

// Members of a type from its element list.
#define FIB_DECLARE_FIELDS(LIST) LIST(FIB_DECLARE_T, FIB_DECLARE_I, FIB_DECLARE_O, FIB_DECLARE_A)
