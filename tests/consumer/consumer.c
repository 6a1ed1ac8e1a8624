/* A host built against the installed package: every installed header at once (all_headers.h,
 * written by build_consumer.sh), and one plug-in loaded from the folder the package names. */
#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

#include "all_headers.h"

int main(void) {
  void* plugin = dlopen(PLOT_PLUGIN_FOLDER "/ternary.so", RTLD_NOW | RTLD_LOCAL);
  if (plugin == NULL) {
    fprintf(stderr, "%s\n", dlerror());
    return 1;
  }
  /* POSIX's way from dlsym's object pointer to a function pointer, which ISO C lacks. */
  int32_t (*version)(void) = NULL;
  const char* (*name)(void) = NULL;
  *(void**)&version = dlsym(plugin, "plot_api_version");
  *(void**)&name = dlsym(plugin, "plot_plugin_name");
  if (version == NULL || name == NULL || version() != PLOT_API_VERSION ||
      strcmp(name(), "ternary") != 0) {
    fprintf(stderr, "ternary.so is not the plug-in the headers describe\n");
    return 1;
  }
  return 0;
}
