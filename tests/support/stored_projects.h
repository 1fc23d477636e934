// The stored projects of a store (1 to n-1: project 0 comes from the
// capture) as plain rows that tests compare and print.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "projects/project_store.h"

namespace support {

struct File {
  std::string path, state;
  bool operator==(const File&) const = default;
};
struct Project {
  std::string name;
  int active = -1;
  std::vector<File> files;
  bool operator==(const Project&) const = default;
};
using Projects = std::vector<Project>;

inline void PrintTo(const Project& p, std::ostream* out) {
  *out << "\n[" << p.name << "] active " << p.active;
  for (const File& f : p.files) *out << "\n  " << f.path << "?" << f.state.substr(0, 40);
}

inline Projects StoredProjects(const ProjectStore& store) {
  Projects projects;
  for (int i = 1; i < store.ProjectCount(); ++i) {
    Project p{store.Name(i), store.Files(i).ActiveIndex(), {}};
    for (int j = 0; j < store.Files(i).Count(); ++j) {
      p.files.push_back({store.Files(i).Entry(j).path, store.Files(i).Entry(j).state});
    }
    projects.push_back(p);
  }
  return projects;
}

}  // namespace support
