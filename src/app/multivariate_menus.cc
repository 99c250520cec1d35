#include "app/multivariate_menus.h"

#include "app/command_ids.h"

namespace kora {

void UpdateMultivariateMenu(MenuBar& menu, const MultivariateProject& project) {
  const bool data = project.HasData();
  menu.Enable(cmd::kPrint, data);
  menu.Enable(cmd::kExport, data);
  menu.Enable(cmd::kImportFile, true);
  menu.Enable(cmd::kImportClipboard, true);
  menu.EnablePopup(kMvTransform, data);
  // Saving, renaming, minimising and restoring serve univariate projects only.
  for (int id : {cmd::kSaveProject, cmd::kSaveProjectAs, cmd::kRenameProject, cmd::kMinimizeProject,
                 cmd::kRestoreProject})
    menu.Enable(id, false);
  menu.SetText(cmd::kMvUndo, MultivariateUndoText(project.transforms));
  menu.Enable(cmd::kMvUndo, !project.transforms.empty());
  menu.Enable(cmd::kMvYuleWalker, data);
  menu.Enable(cmd::kMvBurg, data);
  menu.Enable(cmd::kMvForecast, project.HasModel());
  menu.Enable(cmd::kMvSimulate, project.HasModel());
  menu.Enable(cmd::kMvCrossAcf, data);
}

std::vector<ToolbarButton> MultivariateToolbarTail() {
  return {{0, -1},
          {cmd::kImportFile, 0},
          {0, -1},
          {cmd::kZoomRange, 11},
          {cmd::kZoomRegion, 12},
          {cmd::kZoomOut, 13},
          {0, -1},
          {cmd::kInfo, 14}};
}

}  // namespace kora
