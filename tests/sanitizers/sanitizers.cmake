# Q530_SANITIZE=address builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, Q530_SANITIZE=thread with ThreadSanitizer.
# Each needs a build folder of its own; tests/sanitizers/run.sh sets the
# run-time options and suppressions.
set(Q530_SANITIZE "" CACHE STRING "Build with sanitizers: empty, address (with undefined) or thread")
set_property(CACHE Q530_SANITIZE PROPERTY STRINGS "" address thread)

if(Q530_SANITIZE STREQUAL "address")
    # Any undefined behaviour stops the test that hit it instead of scrolling past.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
elseif(Q530_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(NOT Q530_SANITIZE STREQUAL "")
    message(FATAL_ERROR "Q530_SANITIZE must be empty, address or thread, not '${Q530_SANITIZE}'")
endif()
