#pragma once

#include "DcPropertyRow.h"

#include <QTreeWidget>

#include <vector>

namespace dcproperties {

// The two-column property list CAD users know from property palettes: rows
// under their group headings, the label on the left and an editor for the
// value on the right. Each editor is named after its row's label, and
// commits to the row when the user has chosen or typed a value.
class DcPropertyInspector : public QTreeWidget {
 public:
  explicit DcPropertyInspector(QWidget* parent = nullptr);

  // The row is not owned; it must outlive the inspector.
  void addRow(DcPropertyRow* row);
  // Reads the row's value again into its editor.
  void refresh(DcPropertyRow* row);
  void refreshAll();

 protected:
  // The labels take half the width (151 pixels while the list has none yet).
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTreeWidgetItem* groupItem(const OdString& group);
  QWidget* makeEditor(DcPropertyRow* row);
  QWidget* makeFileEditor(DcFileRow* row);
  void commit(DcPropertyRow* row, const OdString& text);
  QWidget* editorOf(DcPropertyRow* row) const;

  std::vector<DcPropertyRow*> m_rows;
};

}  // namespace dcproperties
