// Anchor translation unit until the engine sources arrive.
