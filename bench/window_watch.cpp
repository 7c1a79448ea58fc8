// Starts a program and prints the milliseconds until a top-level window of
// the given name is mapped on the X server, watching every millisecond from
// one process (a watcher started again and again would take the processor
// from the program it times). Prints nothing and fails when none shows
// within ten seconds. The program is left running, its output to /dev/null
// (a caller reading this one's output would otherwise wait for it to end).
// Usage: window_watch NAME PROGRAM [ARGUMENT...]
#include <fcntl.h>
#include <spawn.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

extern char** environ;

namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

bool named(xcb_connection_t* x, xcb_window_t window, const std::string& name) {
  Owned<xcb_get_property_reply_t> property(
      xcb_get_property_reply(x, xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                             nullptr),
      &std::free);
  if (!property) return false;
  const auto length = static_cast<std::size_t>(xcb_get_property_value_length(property.get()));
  return length == name.size() && std::memcmp(xcb_get_property_value(property.get()), name.data(), length) == 0;
}

bool shown(xcb_connection_t* x, xcb_window_t window) {
  Owned<xcb_get_window_attributes_reply_t> attributes(
      xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, window), nullptr), &std::free);
  return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

bool windowShown(xcb_connection_t* x, xcb_window_t root, const std::string& name) {
  Owned<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr), &std::free);
  if (!tree) return false;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
    if (named(x, children[i], name) && shown(x, children[i])) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_watch NAME PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x) != 0) return 2;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const std::string name = argv[1];
  const auto start = std::chrono::steady_clock::now();
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  pid_t program = 0;
  const int spawned = posix_spawn(&program, argv[2], &quiet, nullptr, argv + 2, environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) return 2;
  while (std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
    if (windowShown(x, root, name)) {
      const auto waited = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
      std::printf("%.1f\n", waited.count());
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return 1;
}
