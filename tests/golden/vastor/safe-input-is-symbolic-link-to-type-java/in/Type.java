Types = { int }

