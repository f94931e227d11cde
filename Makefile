# Convenience targets; the scripts install what is missing and do the work.
.PHONY: run test build clean
run:
	./run.sh
test:
	./test.sh
build:
	bash -c 'source scripts/common.sh && install_packages && configure_and_build'
clean:
	rm -rf build
