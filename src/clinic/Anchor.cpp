// Anchor translation unit until this folder's pages arrive.
