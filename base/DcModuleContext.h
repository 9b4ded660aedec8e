#pragma once

#include <memory>
#include <typeindex>
#include <vector>

namespace dwgcompare {

// The module's state in one place instead of process globals: each layer keeps
// its part here (the settings, the document manager reactor, the palette, the
// user-interface registry), made on first use. The context comes with the
// first part (in initApp, the document manager reactor) and uninitApp destroys
// it, which ends every part, newest first; a test ends it the same way to start
// the next one from nothing.
class DcModuleContext {
 public:
  DcModuleContext() = default;
  DcModuleContext(const DcModuleContext&) = delete;
  DcModuleContext& operator=(const DcModuleContext&) = delete;
  ~DcModuleContext() { clear(); }

  // The part kept under its type, or null while there is none.
  template <class Part>
  Part* find() const {
    for (const Entry& entry : m_parts)
      if (entry.type == typeid(Part)) return static_cast<Part*>(entry.part.get());
    return nullptr;
  }

  // The part kept under its type, made by `make` (a std::shared_ptr to Part or
  // to a class derived from it) when there is none; null when `make` answers null.
  template <class Part, class Make>
  Part* findOrMake(Make make) {
    if (Part* part = find<Part>()) return part;
    std::shared_ptr<Part> made = make();
    if (made) m_parts.push_back({typeid(Part), made});
    return made.get();
  }

  // Ends every part, newest first.
  void clear();

  // Ends the part kept under its type, if any.
  template <class Part>
  void destroy() {
    destroyWhere(typeid(Part));
  }

 private:
  struct Entry {
    std::type_index type;
    std::shared_ptr<void> part;
  };

  void destroyWhere(std::type_index type);

  std::vector<Entry> m_parts;
};

// The module's context, made on first use: by initApp, or in a program without
// the module object (a test) by whatever first uses a layer.
DcModuleContext& moduleContext();
// Ends the context and all its parts; the next moduleContext makes a new one.
void destroyModuleContext();

}  // namespace dwgcompare
