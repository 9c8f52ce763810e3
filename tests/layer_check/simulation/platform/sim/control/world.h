// The control side, which the files above must not include.
