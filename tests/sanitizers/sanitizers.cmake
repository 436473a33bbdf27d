# Q530_SANITIZE=address builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, Q530_SANITIZE=thread with ThreadSanitizer.
# Each needs a build folder of its own.
set(Q530_SANITIZE "" CACHE STRING "Build with sanitizers: empty, address (with undefined) or thread")
set_property(CACHE Q530_SANITIZE PROPERTY STRINGS "" address thread)

if(Q530_SANITIZE STREQUAL "address")
    # Any undefined behaviour stops the test that hit it instead of scrolling past.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    # Qt is built without frame pointers: only the slow unwinder sees through
    # it, and the leak suppressions match frames inside Qt (within twelve of
    # the allocation; every frame more makes each allocation slower).
    # A damaged file may make Qt ask for a block larger than the machine has;
    # malloc then says no and Qt copes, and so must ASan's allocator.
    set(q530_asan_options "fast_unwind_on_malloc=0:malloc_context_size=12:detect_leaks=1:allocator_may_return_null=1")
    set(q530_ubsan_options "print_stacktrace=1:halt_on_error=1")
    set(q530_supp_files lsan)
elseif(Q530_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
    # Qt is not instrumented: what Qt's own calls into the C library touch is
    # left out, its locks still count.
    set(q530_tsan_options "ignore_noninstrumented_modules=1:second_deadlock_stack=1:history_size=4")
    set(q530_supp_files tsan)
elseif(NOT Q530_SANITIZE STREQUAL "")
    message(FATAL_ERROR "Q530_SANITIZE must be empty, address or thread, not '${Q530_SANITIZE}'")
endif()

if(Q530_SANITIZE)
    # The options and suppressions are built into every program, so a test
    # that starts the program with a clean environment still gets them. The
    # environment (ASAN_OPTIONS, ...) adds to them.
    set(q530_lsan_supp "")
    set(q530_tsan_supp "")
    foreach(kind IN LISTS q530_supp_files)
        file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/${kind}.supp lines REGEX "^[^#]")
        list(JOIN lines "\\n" joined)
        set(q530_${kind}_supp "${joined}")
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 ${CMAKE_CURRENT_LIST_DIR}/lsan.supp ${CMAKE_CURRENT_LIST_DIR}/tsan.supp)
    set(q530_defaults "")
    if(Q530_SANITIZE STREQUAL "address")
        string(APPEND q530_defaults
               "const char *__asan_default_options() { return \"${q530_asan_options}\"; }\n"
               "const char *__ubsan_default_options() { return \"${q530_ubsan_options}\"; }\n"
               "const char *__lsan_default_suppressions() { return \"${q530_lsan_supp}\"; }\n")
    else()
        string(APPEND q530_defaults
               "const char *__tsan_default_options() { return \"${q530_tsan_options}\"; }\n"
               "const char *__tsan_default_suppressions() { return \"${q530_tsan_supp}\"; }\n")
    endif()
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/sanitizer_defaults.cpp CONTENT
         "// Generated from tests/sanitizers/*.supp; the sanitizer run-time asks for these at start.\nextern \"C\" {\n${q530_defaults}}\n")
    add_library(q530sanitizerdefaults OBJECT ${CMAKE_BINARY_DIR}/sanitizer_defaults.cpp)
    set_target_properties(q530sanitizerdefaults PROPERTIES AUTOMOC OFF)
    link_libraries(q530sanitizerdefaults)
endif()
