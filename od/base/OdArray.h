#pragma once

#include "OdError.h"

#include <algorithm>
#include <vector>

// Growable array with the library's accessors; at() throws the invalid-index error.
template <class T>
class OdArray : public std::vector<T> {
 public:
  using std::vector<T>::vector;

  int length() const { return static_cast<int>(this->size()); }
  int logicalLength() const { return length(); }
  bool isEmpty() const { return this->empty(); }
  OdArray& append(const T& value) { this->push_back(value); return *this; }
  T& at(int index) { checkIndex(index); return (*this)[index]; }
  const T& at(int index) const { checkIndex(index); return (*this)[index]; }
  void removeAt(int index) { checkIndex(index); this->erase(this->begin() + index); }
  bool contains(const T& value) const { return std::find(this->begin(), this->end(), value) != this->end(); }
  T* asArrayPtr() { return this->data(); }
  const T* getPtr() const { return this->data(); }

 private:
  void checkIndex(int index) const {
    if (index < 0 || index >= length()) throw OdError_InvalidIndex();
  }
};
