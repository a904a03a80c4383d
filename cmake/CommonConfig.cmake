# One place for the settings every target shares.
add_library(vm_settings INTERFACE)
target_compile_options(vm_settings INTERFACE
  -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
target_compile_definitions(vm_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  VM_SHORT_VERSION="${VM_SHORT_VERSION}"
  VM_LONG_VERSION="${VM_LONG_VERSION}"
  VM_MAJOR_VERSION=${PROJECT_VERSION_MAJOR}
  VM_MINOR_VERSION=${PROJECT_VERSION_MINOR}
  VM_BUGFIX_VERSION=${PROJECT_VERSION_PATCH}
  VM_NONRELEASE_VERSION=${VM_NONRELEASE_VERSION})
if(VM_SANITIZE)
  target_compile_options(vm_settings INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(vm_settings INTERFACE -fsanitize=address,undefined)
endif()
