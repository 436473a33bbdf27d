target_sources(q530core PRIVATE
)
