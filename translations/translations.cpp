// The compiled translations are this library's resources; it has no code of its own.
