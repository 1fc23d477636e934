#include "standin/view_definition.h"

#include <cstddef>
#include <cstdint>

namespace standin {
namespace {

void Put(AVDocViewDef& def, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    def.bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

AVDocViewDef ViewDefinitionOf(const Document& document) {
  AVDocViewDef def{};
  const PageViewRecord& view = document.view;
  Put(def, 0, kViewDefinitionSize, 2);
  Put(def, 2, 1, 2);
  Put(def, 4, static_cast<std::uint32_t>(view.page), 4);
  Put(def, 8, static_cast<std::uint32_t>(view.zoomType), 4);
  Put(def, 12, static_cast<std::uint32_t>(view.zoom), 4);
  Put(def, 16, static_cast<std::uint16_t>(view.rect.left), 2);
  Put(def, 18, static_cast<std::uint16_t>(view.rect.top), 2);
  Put(def, 20, static_cast<std::uint16_t>(view.rect.right), 2);
  Put(def, 22, static_cast<std::uint16_t>(view.rect.bottom), 2);
  Put(def, 24, static_cast<std::uint16_t>(view.layoutMode), 2);
  Put(def, 26, static_cast<std::uint16_t>(document.pageMode), 2);
  Put(def, 28, static_cast<std::uint16_t>(document.splitter), 2);
  return def;
}

}  // namespace standin
